#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/session.h"
#include "update/history_csv.h"

namespace kugel::cli {

// The commands that read or change the draw history. Each returns the exit
// status; UsageError and DataError (and the program's FileError) leave them
// for the caller to report.

// `export csv [FILE]`: the history as CSV, to FILE (replaced as a whole) or
// to standard output.
int exportCsv(const GlobalOptions& options, const std::string& file, std::ostream& out);

// `import csv FILE [--dry-run] [--json] [--date-format F]`: replaces the history with the
// draws of a CSV file ("-": standard input). Every bad line is reported and
// then nothing is written; the bar shows the reading of a large file.
// The import's choices beyond the file.
struct ImportOptions {
    bool dryRun = false;
    bool json = false;
    CsvDateFormat dates = CsvDateFormat::Iso;
};
int importCsv(const GlobalOptions& options, const std::string& file, const ImportOptions& import,
              std::ostream& out, std::ostream& err);

// `show [DATE] [--json]`: the draw on or after DATE, the newest without DATE;
// a DATE after the newest draw is an error.
int showDraw(const GlobalOptions& options, const std::optional<std::string>& date, bool json,
             std::ostream& out);

// `update [--json]`: the results download the window runs on "Datenbank
// aktualisieren", with its rules and mends.
int updateHistory(const GlobalOptions& options, bool json, std::ostream& out);

}  // namespace kugel::cli
