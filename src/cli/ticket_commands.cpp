#include "cli/ticket_commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/chance_report.h"
#include "analysis/prize_odds.h"
#include "cli/chance_output.h"
#include "cli/draw_output.h"
#include "cli/progress_bar.h"
#include "controls/value_text.h"
#include "draws/draw_display.h"
#include "draws/hit_count.h"
#include "draws/ticket_check.h"
#include "generation/tip_calculation.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/ticket_controls.h"
#include "output/tip_file.h"
#include "platform/dates.h"
#include "platform/text_excerpt.h"
#include "shell/application.h"

namespace kugel::cli {
namespace {

constexpr long long kLuckyMax = 99999999;

using Row = std::array<std::string, ZahlenProReihe + 1>;

// The ticket's rows that hold anything, with their row numbers (1..12).
std::vector<std::pair<int, Row>> filledRows(const TForm1& form) {
    std::vector<std::pair<int, Row>> rows;
    for (std::size_t r = 0; r < form.ticket.rows.size(); ++r) {
        const TicketRow& row = form.ticket.rows[r];
        Row texts;
        bool any = false;
        for (std::size_t k = 0; k < row.numbers.size(); ++k) {
            texts[k] = row.numbers[k]->text();
            any = any || !texts[k].empty();
        }
        texts[ZahlenProReihe] = row.powerball->text();
        if (any || !texts[ZahlenProReihe].empty())
            rows.emplace_back(static_cast<int>(r) + 1, texts);
    }
    return rows;
}

std::string rowLine(const Row& row) {
    std::string line;
    for (int k = 0; k < ZahlenProReihe; ++k) {
        char cell[8];
        std::snprintf(cell, sizeof cell, "%3s", row[static_cast<std::size_t>(k)].c_str());
        line += cell;
    }
    return line + "  PB " + row[ZahlenProReihe];
}

std::string numberJson(const std::string& text) {
    const auto n = parseInt(text);
    return n ? std::to_string(*n) : "null";
}

std::string rowJson(const Row& row) {
    std::string json = "[";
    for (std::size_t k = 0; k < ZahlenProReihe; ++k) json += (k ? "," : "") + numberJson(row[k]);
    return json + "],\"powerball\":" + numberJson(row[ZahlenProReihe]);
}

// The hit class a row's hit label shows, found by the text the window writes.
std::optional<HitClass> shownClass(const TicketRow& row) {
    const std::string shown = row.hits->caption();
    for (int h = 0; h <= ZahlenProReihe; ++h)
        for (const bool pb : {false, true})
            if (hitClassText({h, pb}) == shown) return HitClass{h, pb};
    return std::nullopt;
}

int divisionOf(const HitClass& c) {
    for (const PrizeDivision& d : prizeDivisions())
        if (d.mainHits == c.hits && d.powerball == c.powerball) return d.division;
    return 0;
}

// One draw checked: its rows' classes and divisions, for people or machines.
// People see only the winning rows when `winnersOnly`, and nothing of a draw
// without any.
void printCheck(const TForm1& form, const TZiehung& z, bool json, bool winnersOnly,
                std::ostream& out) {
    std::string text;
    bool first = true;
    bool won = false;
    for (std::size_t r = 0; r < form.ticket.rows.size(); ++r) {
        const TicketRow& row = form.ticket.rows[r];
        const auto cls = shownClass(row);
        if (!cls) continue;  // an empty or invalid row has no result
        const int division = divisionOf(*cls);
        won = won || division > 0;
        if (json) {
            text += std::string(first ? "" : ",") + "{\"row\":" + std::to_string(r + 1) +
                    ",\"hits\":" + std::to_string(cls->hits) +
                    ",\"powerball\":" + (cls->powerball ? "true" : "false") +
                    ",\"division\":" + (division ? std::to_string(division) : "null") + "}";
        } else if (!winnersOnly || division > 0) {
            char line[64];
            std::snprintf(line, sizeof line, "  row %2zu: %s", r + 1, hitClassText(*cls).c_str());
            text += line;
            if (division) text += "  division " + std::to_string(division);
            text += '\n';
        }
        first = false;
    }
    if (json)
        out << "{\"draw\":" << drawJson(z) << ",\"rows\":[" << text << "]}";
    else if (!winnersOnly || won)
        out << drawLine(z) << '\n' << text;
}

// The day a tip file named as the program proposes ("20180426.qlt") is
// for; nothing for any other name.
std::optional<double> dayOfProposedName(const std::string& file) {
    const std::string name = std::filesystem::path(file).filename().string();
    if (name.size() != 12 || name.substr(8) != ".qlt") return std::nullopt;
    for (std::size_t k = 0; k < 8; ++k)
        if (name[k] < '0' || name[k] > '9') return std::nullopt;
    return encodeDate(std::stoi(name.substr(0, 4)), std::stoi(name.substr(4, 2)),
                      std::stoi(name.substr(6, 2)));
}

// The lines of the loaded tip file that left no row to check: one that does
// not read as seven whole numbers, and any after the ticket's last row. A
// check that silently counted fewer rows would pass for one of the whole file.
void reportIgnoredTipLines(const TForm1& form, const std::string& file, std::ostream& err) {
    const std::vector<std::string> lines = readAllTipFileLines(file);
    const std::size_t rows = form.ticket.rows.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (trimmed(lines[i]).empty()) continue;
        std::string reason;
        if (i >= rows)
            reason = "a ticket holds " + std::to_string(rows) + " rows";
        else if (!readableRow(form.ticket.rows[i]))
            reason = "not seven whole numbers";
        else
            continue;
        err << "kugelmeister-cli: " << file << ':' << i + 1 << ": ignored (" << reason
            << "): " << withVisibleControls(lines[i]) << '\n';
    }
}

}  // namespace

int calculateTicket(const GlobalOptions& options, const CalcOptions& calc, std::ostream& out) {
    if (calc.rows && (*calc.rows < 1 || *calc.rows > MaxTipps))
        throw UsageError("--rows expects 1..12");
    if (calc.lucky && (*calc.lucky < 1 || *calc.lucky > kLuckyMax))
        throw UsageError("--lucky expects 1..99999999");
    GlobalOptions withSettings = options;
    if (!calc.settingsFile.empty()) {
        // A mistyped name must not quietly calculate with the designed settings.
        if (!std::filesystem::is_regular_file(calc.settingsFile))
            throw DataError("there is no settings file " + calc.settingsFile);
        withSettings.settingsFile = calc.settingsFile;
    }

    Session session(withSettings);
    session.prepare();
    TForm1& form = session.form();
    // The number-choice list a setting may bring up is taken as proposed.
    session.platform().onShowModal = [](Form&) { return static_cast<int>(DialogResult::Ok); };
    if (calc.rows) session.app().userAction([&] { form.ticket.UpDown8->setPosition(*calc.rows); });
    if (calc.lucky) {
        ScriptedPlatform::Answer answer;
        answer.kind = ScriptedPlatform::Answer::Kind::Text;
        answer.text = std::to_string(*calc.lucky);
        session.platform().queueAnswer(answer);
        session.invoke("SpeedButton13Click");
    }
    std::optional<CalculationReport> report;
    {
        // Rows are written one by one as each is found.
        ProgressBar bar("Calculating", progressWanted(withSettings.noProgress));
        const int wanted = form.ticket.UpDown8->position();
        session.platform().onProcessEvents = [&] {
            int done = 0;
            for (int r = 0; r < wanted; ++r)
                if (!form.ticket.rows[static_cast<std::size_t>(r)].numbers[0]->text().empty())
                    ++done;
            bar.update(done, wanted);
        };
        session.app().userAction([&] { report = startOrStopCalculation(form); });
        session.platform().onProcessEvents = nullptr;
    }
    session.failOnMessages();
    // The window says so in its status bar; here it goes to standard error.
    if (report && report->budgetUsedUp)
        std::cerr << "kugelmeister-cli: " << form.StatusBar1->panelText(1) << '\n';
    if (!calc.output.empty()) {
        ScriptedPlatform::Answer answer;
        answer.kind = ScriptedPlatform::Answer::Kind::File;
        answer.text = calc.output;
        session.platform().queueAnswer(answer);
        session.invoke("SpeedButton15Click");
        session.failOnMessages();
    }

    const auto rows = filledRows(form);
    if (calc.json) {
        out << "{\"rows\":[";
        for (std::size_t i = 0; i < rows.size(); ++i)
            out << (i ? "," : "") << "{\"row\":" << rows[i].first
                << ",\"numbers\":" << rowJson(rows[i].second) << '}';
        out << "]}\n";
    } else {
        for (const auto& [number, row] : rows) {
            char label[16];
            std::snprintf(label, sizeof label, "%2d.", number);
            out << label << rowLine(row) << '\n';
        }
    }
    return kExitSuccess;
}

int checkTicket(const GlobalOptions& options, const CheckOptions& check, std::ostream& out) {
    if (check.all && check.date) throw UsageError("--date and --all exclude each other");
    if (check.calculatedUntil && !check.all) throw UsageError("--calculated needs --all");
    const double chosen = check.date ? parseDateOption("--date", *check.date) : 0;

    Session session(options);
    session.prepare();
    TForm1& form = session.form();
    const HistoryFile history(form.historyPath());
    if (!history.exists()) throw DataError("there is no history yet: " + form.historyPath());
    const std::vector<TZiehung> records = history.readAll();
    if (records.empty()) throw DataError("the history holds no draws");

    // The ticket is loaded as the window loads a tip file, and checked
    // against the chosen draw on the way. The date picker refuses a day before
    // its first one; the draw on or after such a day is the first draw.
    session.app().userAction([&] {
        form.DateTimePicker1->setDate(check.date ? std::max(chosen, form.DateTimePicker1->minDate())
                                                 : records.back().Datum);
    });
    ScriptedPlatform::Answer answer;
    answer.kind = ScriptedPlatform::Answer::Kind::File;
    answer.text = check.file;
    session.platform().queueAnswer(answer);
    session.invoke("SpeedButton16Click");
    session.failOnMessages();
    reportIgnoredTipLines(form, check.file, std::cerr);
    if (filledRows(form).empty()) throw DataError(check.file + " holds no rows");

    if (!check.all) {
        // The draw the window shows now (a date it refuses leaves it on the newest).
        const auto shown = std::find_if(records.begin(), records.end(),
                                        [&](const TZiehung& z) { return z.Datum == form.Datum1; });
        if (shown == records.end()) throw DataError("no draw to check against");
        printCheck(form, *shown, check.json, false, out);
        if (check.json) out << '\n';
        return kExitSuccess;
    }

    // The newest draw the ticket could have learned from, when known.
    std::optional<double> learnedUntil;
    if (check.calculatedUntil) {
        learnedUntil = parseDateOption("--calculated", *check.calculatedUntil);
    } else if (const auto forDay = dayOfProposedName(check.file)) {
        // It learned at most from the draws stored before its day.
        std::optional<double> newest;
        for (const TZiehung& z : records)
            if (z.Datum < *forDay && (!newest || z.Datum > *newest)) newest = z.Datum;
        learnedUntil = newest.value_or(*forDay - 1);
    }

    // Every draw: shown and checked as the display does it, one after the other.
    std::array<std::array<long long, 2>, ZahlenProReihe + 1> total{};
    ChanceTally all;
    ChanceTally after;
    long long learnedDraws = 0;
    double firstAfter = 0;
    ProgressBar bar("Checking", progressWanted(options.noProgress) && !standardOutputIsTerminal());
    if (check.json) out << "{\"draws\":[";
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TZiehung& z = records[i];
        session.app().userAction([&] {
            kugel::showDraw(form, z, "  ", " PB:");
            Komplettcheck(form);
        });
        if (check.json && i) out << ',';
        printCheck(form, z, check.json, true, out);
        const bool learned = learnedUntil && z.Datum <= *learnedUntil;
        if (learned) ++learnedDraws;
        if (!learned && after.draws == 0) firstAfter = z.Datum;
        // The rows the check counted: the readable ones (none when it
        // counted none).
        long long counted = 0;
        for (std::size_t h = 0; h < total.size(); ++h)
            for (std::size_t pb = 0; pb < 2; ++pb) {
                const long long n = form.Statistik[h][pb];
                total[h][pb] += n;
                counted += n;
                for (long long k = 0; k < n; ++k) {
                    all.count(static_cast<int>(h), pb == 1);
                    if (!learned) after.count(static_cast<int>(h), pb == 1);
                }
            }
        const std::vector<CheckedRow> rows =
            counted > 0 ? readableRows(form) : std::vector<CheckedRow>{};
        all.addDraw(rows);
        if (!learned) after.addDraw(rows);
        bar.update(static_cast<long long>(i) + 1, static_cast<long long>(records.size()));
    }
    bar.finish();
    session.failOnMessages();

    // Every row against every draw beside what chance gives for as many.
    const ChanceComparison chance = judgeTally(all);
    std::optional<LearnedDraws> learned;
    if (learnedUntil && learnedDraws > 0) {
        learned = LearnedDraws{*learnedUntil, learnedDraws, std::nullopt, firstAfter};
        if (after.rows() > 0) learned->after = judgeTally(after);
    }

    if (check.json) {
        out << "],\"divisions\":[";
        bool first = true;
        for (const PrizeDivision& d : prizeDivisions()) {
            out << (first ? "" : ",") << "{\"division\":" << d.division
                << ",\"rows\":" << total[static_cast<std::size_t>(d.mainHits)][d.powerball ? 1 : 0]
                << '}';
            first = false;
        }
        out << "],\"chance\":" << chanceJson(chance, learned ? &*learned : nullptr) << "}\n";
    } else {
        out << "Prizes over " << records.size() << " draws:\n";
        for (const PrizeDivision& d : prizeDivisions()) {
            char line[64];
            std::snprintf(line, sizeof line, "  division %d (%s): %lld\n", d.division,
                          hitClassText({d.mainHits, d.powerball}).c_str(),
                          total[static_cast<std::size_t>(d.mainHits)][d.powerball ? 1 : 0]);
            out << line;
        }
        out << '\n' << form.msg(AddedText::ChanceTitle) << '\n';
        const std::vector<std::string> head{
            form.addedTexts.format(AddedText::ChanceOfWholeHistory,
                                   {std::to_string(chance.rows), std::to_string(records.size())}),
            ""};
        for (const std::string& line :
             chanceLines(form, head, chance, learned ? &*learned : nullptr))
            out << line << '\n';
    }
    return kExitSuccess;
}

}  // namespace kugel::cli
