#pragma once

#include "platform/print_job.h"

class QPrinter;

namespace kugel {

// Sets the printer up for the job: its paper size, portrait, the whole page
// addressable (the job places everything from the paper's corner), and the
// document's name.
void preparePrinter(QPrinter& printer, const PrintJob& job);

// Paints the job's pages on a prepared printer (a real one, a PDF file or
// the print preview); false when the printer refused them.
bool renderPrintJob(const PrintJob& job, QPrinter& printer);

}  // namespace kugel
