#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/session.h"

namespace kugel::cli {

// The commands that read or change the draw history. Each returns the exit
// status; UsageError and DataError (and the program's FileError) leave them
// for the caller to report.

// `export csv [FILE]`: the history as CSV, to FILE (replaced as a whole) or
// to standard output.
int exportCsv(const GlobalOptions& options, const std::string& file, std::ostream& out);

// `import csv FILE [--dry-run] [--json]`: replaces the history with the
// draws of a CSV file ("-": standard input). Every bad line is reported and
// then nothing is written.
int importCsv(const GlobalOptions& options, const std::string& file, bool dryRun, bool json,
              std::ostream& out, std::ostream& err);

// `show [DATE] [--json]`: the draw on or after DATE (the newest when there
// is none that late, or without DATE).
int showDraw(const GlobalOptions& options, const std::optional<std::string>& date, bool json,
             std::ostream& out);

// `update [--json]`: the results download the window runs on "Datenbank
// aktualisieren", with its rules and mends.
int updateHistory(const GlobalOptions& options, bool json, std::ostream& out);

}  // namespace kugel::cli
