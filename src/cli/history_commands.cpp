#include "cli/history_commands.h"

#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/draw_output.h"
#include "cli/progress_bar.h"
#include "controls/value_text.h"
#include "draws/draw_display.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "platform/durable_file.h"
#include "shell/application.h"
#include "update/history_csv.h"
#include "update/results_download.h"

namespace kugel::cli {
namespace {

std::vector<TZiehung> readHistory(const std::string& path) {
    const HistoryFile history(path);
    if (!history.exists()) throw DataError("there is no history yet: " + path);
    return history.readAll();
}

// What is shown or exported must be what the import takes back: a record
// the CSV reading refuses is damaged, and is named rather than passed on.
std::vector<TZiehung> readSoundHistory(const std::string& path) {
    std::vector<TZiehung> records = readHistory(path);
    if (records.empty()) return records;
    const CsvHistory readBack = historyFromCsv(historyToCsv(records));
    if (!readBack.problems.empty()) {
        const CsvProblem& first = readBack.problems.front();
        // Line 1 is the header; line k holds record k - 1.
        throw DataError(path + ": record " + std::to_string(first.line - 1) +
                        " is damaged: " + first.reason);
    }
    return records;
}

std::string readInput(const std::string& file) {
    if (file != "-") return readWholeFile(file);
    return std::string(std::istreambuf_iterator<char>(std::cin), {});
}

}  // namespace

int exportCsv(const GlobalOptions& options, const std::string& file, std::ostream& out) {
    Session session(options);
    session.prepare();
    const std::string csv = historyToCsv(readSoundHistory(session.form().historyPath()));
    if (file.empty() || file == "-")
        out << csv;
    else
        replaceFileAtomically(file, csv);
    return kExitSuccess;
}

int importCsv(const GlobalOptions& options, const std::string& file, const ImportOptions& import,
              std::ostream& out, std::ostream& err) {
    const bool dryRun = import.dryRun;
    const bool json = import.json;
    Session session(options);
    session.prepare();
    const std::string path = session.form().historyPath();
    CsvHistory read;
    {
        ProgressBar bar("Reading", progressWanted(options.noProgress));
        CsvReading reading;
        reading.dates = import.dates;
        reading.progress = [&bar](std::size_t done, std::size_t total) {
            bar.update(static_cast<long long>(done), static_cast<long long>(total));
        };
        const std::string text = readInput(file);
        read = historyFromCsv(text, reading);
    }
    const bool written = read.problems.empty() && !dryRun;
    if (written) HistoryFile(path).rewrite(read.draws);

    for (const CsvProblem& p : read.problems)
        err << file << (p.line > 0 ? ":" + std::to_string(p.line) : std::string()) << ": "
            << p.reason << '\n';
    if (json) {
        out << "{\"draws\":" << read.draws.size() << ",\"written\":" << (written ? "true" : "false")
            << ",\"problems\":[";
        for (std::size_t i = 0; i < read.problems.size(); ++i)
            out << (i ? "," : "") << "{\"line\":" << read.problems[i].line
                << ",\"reason\":" << jsonString(read.problems[i].reason) << '}';
        out << "]}\n";
    } else if (read.problems.empty()) {
        out << read.draws.size() << " draws " << (dryRun ? "read; nothing written" : "imported")
            << '\n';
    } else {
        err << read.problems.size() << (read.problems.size() == 1 ? " bad line" : " bad lines")
            << "; nothing written\n";
    }
    return read.problems.empty() ? kExitSuccess : kExitDataError;
}

int showDraw(const GlobalOptions& options, const std::optional<std::string>& date, bool json,
             std::ostream& out) {
    const double day = date ? parseDateOption("DATE", *date) : 0;
    Session session(options);
    session.prepare();
    const std::vector<TZiehung> records = readSoundHistory(session.form().historyPath());
    if (records.empty()) throw DataError("the history holds no draws");
    if (date && day > records.back().Datum)
        throw DataError("there is no draw on or after " + *date + "; the newest is of " +
                        dayValueText(records.back().Datum));
    const TZiehung& z = date ? records[locateDraw(records, day).index] : records.back();
    out << (json ? drawJson(z) : drawLine(z)) << '\n';
    return kExitSuccess;
}

int updateHistory(const GlobalOptions& options, bool json, std::ostream& out) {
    Session session(options);
    session.prepare();
    TForm1& form = session.form();
    const HistoryFile history(form.historyPath());
    const std::size_t before = history.exists() ? history.readAll().size() : 0;
    UpdateEnd end = UpdateEnd::UpToDate;
    {
        ProgressBar bar("Update", progressWanted(options.noProgress));
        session.platform().onProcessEvents = [&] {
            const StatusProgress& p = form.StatusBar1->progress();
            bar.update(p.position, p.maximum);
        };
        session.app().userAction([&] { end = downloadNewDraws(form, UpdateStart::ByUser); });
        session.platform().onProcessEvents = nullptr;
    }
    session.failOnMessages();
    const std::vector<TZiehung> records = history.readAll();
    const std::size_t added = records.size() >= before ? records.size() - before : 0;
    // An update the server ended (a 5xx, or "try later") is no "up to
    // date": the weeks after it are missing, and a script must see that.
    if (end == UpdateEnd::Interrupted)
        throw DataError("the update ended early: " + form.StatusBar1->panelText(0) + "; " +
                        std::to_string(added) + (added == 1 ? " new draw" : " new draws") +
                        " stored, the next update asks again from there");
    if (json) {
        out << "{\"added\":" << added
            << ",\"newest\":" << (records.empty() ? "null" : drawJson(records.back())) << "}\n";
    } else {
        out << added << (added == 1 ? " new draw" : " new draws");
        if (!records.empty()) out << "; newest " << drawLine(records.back());
        out << '\n';
    }
    return kExitSuccess;
}

}  // namespace kugel::cli
