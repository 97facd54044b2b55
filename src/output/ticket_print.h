#pragma once

#include "platform/print_job.h"

namespace kugel {

class TForm1;
struct TicketListing;

// The printed ticket on one A4 page: the listing's heading over a rule, then
// a table of the rows with the Powerball in a column of its own.
PrintJob ticketPrintJob(const TicketListing& listing);

// Offers the ticket for printing (a print preview on the desktop). A bad
// field stops it with the conversion error, as it stops the listing.
void printTicket(TForm1& form);

void registerTicketPrintHandlers(TForm1& form);

}  // namespace kugel
