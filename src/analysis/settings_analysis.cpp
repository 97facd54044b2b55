#include "analysis/settings_analysis.h"

#include <cstdint>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_report.h"
#include "analysis/chance_report.h"
#include "draws/draw_display.h"
#include "generation/tip_calculation.h"
#include "model/conversion.h"
#include "model/game.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "platform/busy_cursor.h"
#include "platform/dates.h"
#include "platform/platform.h"

namespace kugel {
namespace {

// The number-choice list would stop every round for the user; it is off
// while the analysis runs and back as it was on every way out.
class ChoiceListOff {
  public:
    explicit ChoiceListOff(CheckBox& box) : box_(box), checked_(box.checked()) {
        box_.setChecked(false);
    }
    ~ChoiceListOff() { box_.setChecked(checked_); }
    ChoiceListOff(const ChoiceListOff&) = delete;
    ChoiceListOff& operator=(const ChoiceListOff&) = delete;

  private:
    CheckBox& box_;
    bool checked_;
};

// What the rounds checked, for the report and the comparison with chance.
struct RoundsTally {
    HitStatistics sums{};
    int rounds = 0;
    long long missingRows = 0;  // rows of a round's ticket left unreadable
    // The rounds whose ticket was calculated before the draw it was checked
    // against; the others (the last round checks the newest draw with a
    // ticket calculated from it) cannot be judged.
    ChanceTally judged;
    int learnedRounds = 0;
    long long learnedRows = 0;
    long long checkedRows() const {
        long long n = 0;
        for (const auto& h : sums) n += h[0] + h[1];
        return n;
    }
};

std::vector<std::string> settingsReport(const TForm1& form, const RoundsTally& tally) {
    const int rowsPerTicket = form.ticket.UpDown8->position();
    const int rounds = tally.rounds;
    const HitStatistics& sums = tally.sums;
    std::vector<std::string> lines;
    // A line feed at the end of a line leaves an empty line behind it.
    lines.push_back(form.msg(Msg::SettingsBrought));
    lines.emplace_back();
    lines.push_back(form.msg(Msg::CountWithout) + " " + form.msg(Msg::Powerball) + "\t1x " +
                    form.msg(Msg::Powerball));
    for (std::size_t h = 0; h < sums.size(); ++h)
        lines.push_back(std::to_string(h) + "x\t=> " + std::to_string(sums[h][0]) + "\t\t=> " +
                        std::to_string(sums[h][1]));
    lines.emplace_back();
    lines.push_back(form.msg(Msg::FrequencyDraws) + ": " + std::to_string(rounds) +
                    form.msg(Msg::WithEach) + " " + std::to_string(rowsPerTicket) +
                    form.msg(Msg::Tip) + " => " + std::to_string(rounds * rowsPerTicket) + " " +
                    form.msg(Msg::Rows));
    // The line above multiplies; this one says what was really checked.
    lines.push_back(form.addedTexts.format(AddedText::ChanceRowsChecked,
                                           {std::to_string(tally.checkedRows())}));
    if (tally.missingRows > 0)
        lines.push_back(form.addedTexts.format(AddedText::ChanceRowsMissing,
                                               {std::to_string(tally.missingRows)}));
    return lines;
}

// The rows of the round just checked: counted by class, and kept for the
// comparison when the ticket was calculated before the draw.
void tallyRound(const TForm1& form, double learnedUntil, RoundsTally& tally) {
    ++tally.rounds;
    long long rows = 0;
    for (std::size_t h = 0; h < tally.sums.size(); ++h) {
        tally.sums[h][0] += form.Statistik[h][0];
        tally.sums[h][1] += form.Statistik[h][1];
        rows += form.Statistik[h][0] + form.Statistik[h][1];
    }
    const std::vector<CheckedRow> readable = readableRows(form);
    const auto wanted = static_cast<std::size_t>(form.ticket.UpDown8->position());
    for (std::size_t r = 0; r < wanted && r < form.ticket.rows.size(); ++r) {
        const TicketRow& row = form.ticket.rows[r];
        try {
            for (const Edit* e : row.numbers) toInteger(e->text());
            toInteger(row.powerball->text());
        } catch (const ConversionError&) {
            ++tally.missingRows;  // empty or incomplete: the check passes it by
        }
    }
    // The check counts exactly the readable rows; a check that counted
    // none (nothing to sort yet) leaves the round out of the comparison.
    if (rows != static_cast<long long>(readable.size())) return;
    if (form.Datum1 <= learnedUntil) {
        ++tally.learnedRounds;
        tally.learnedRows += rows;
        return;
    }
    tally.judged.addDraw(readable);
    for (std::size_t h = 0; h < tally.sums.size(); ++h)
        for (const bool pb : {false, true})
            for (long long k = 0; k < form.Statistik[h][pb ? 1 : 0]; ++k)
                tally.judged.count(static_cast<int>(h), pb);
}

// The rounds and the report, every round's generator started on the lucky
// number. Returns what the rounds checked, or throws.
RoundsTally runRounds(TForm1& form, int seed, double start) {
    form.random.seed = static_cast<std::uint32_t>(seed);
    const std::string seedStatus = form.msg(Msg::LuckyNumberSetBefore) + std::to_string(seed) +
                                   form.msg(Msg::LuckyNumberSetAfter);
    form.StatusBar1->setPanelText(1, seedStatus);
    BusyCursor busy(form.platform());

    RoundsTally tally;
    // The rounds end when a round no longer moves the end date: the newest
    // draw has been reached and checked once more with a ticket of its own.
    // The first round always runs, whatever date was chosen.
    std::optional<double> last;
    while (last != start) {
        last = start;
        form.StatusBar1->setPanelText(0,
                                      formatShortDate(form.DateTimePicker1->date(), form.locale()));
        form.random.seed = static_cast<std::uint32_t>(seed);
        const std::optional<CalculationReport> calculation = startOrStopCalculation(form);
        // The calculation learned from the draws up to the end date.
        const double learnedUntil = form.DateTimePicker1->date();
        // The next week's draw: the first on or after the end date + 7 days,
        // or the newest; the ticket check fills Statistik.
        form.DateTimePicker1->setDate(form.DateTimePicker1->date() + ZiehungsAbstand);
        showDrawOfPickedDate(form);
        tallyRound(form, learnedUntil, tally);
        start = form.DateTimePicker1->date();
        if (calculation && calculation->stopped) break;
        // No draw to land on (an empty history): the end date would only
        // move on week after week.
        if (start != form.Datum1) break;
    }
    // The analysis ends as it began: the generator on the lucky number.
    form.random.seed = static_cast<std::uint32_t>(seed);
    form.StatusBar1->setPanelText(0, "");
    form.StatusBar1->setPanelText(1, seedStatus);
    saveAndOpenReport(form, settingsReport(form, tally));
    return tally;
}

// After the report: the same rows beside what chance gives for as many, in
// a second report beside the first and in the comparison window, which
// names that file.
void compareWithChanceAfterAnalysis(TForm1& form, const RoundsTally& tally) {
    const AddedTexts& t = form.addedTexts;
    const ChanceComparison c = judgeTally(tally.judged);
    std::vector<std::string> head{
        t.format(AddedText::ChanceOfSettings, {std::to_string(tally.checkedRows())})};
    if (tally.missingRows > 0)
        head.push_back(t.format(AddedText::ChanceRowsMissing, {std::to_string(tally.missingRows)}));
    if (tally.learnedRounds > 0)
        head.push_back(
            t.format(AddedText::ChanceRoundsLearned,
                     {std::to_string(tally.learnedRounds), std::to_string(tally.learnedRows)}));
    head.push_back(t[AddedText::ChanceSettingsStand]);
    head.emplace_back();
    std::vector<std::string> lines = chanceLines(form, head, c);
    const std::filesystem::path target = chanceReportPath(reportPath(form));
    std::vector<std::string> report{form.msg(AddedText::ChanceTitle)};
    report.insert(report.end(), lines.begin(), lines.end());
    writeReport(target, report);
    lines.emplace_back();
    lines.push_back(t.format(AddedText::ChanceReportFile, {target.string()}));
    showChanceComparison(form, c, std::move(lines));
}

}  // namespace

void runSettingsAnalysis(TForm1& form) {
    if (!askBeforeAnalysis(form, {Msg::SettingsAnalysisDeletesTips, Msg::SettingsAnalysisAskFrom,
                                  Msg::SettingsAnalysisAskRun}))
        return;
    const AnalysisRun running(form);
    const ChoiceListOff listOff(*form.settings.CheckBox20);
    const double start = form.DateTimePicker1->date();
    showDrawOfPickedDate(form);

    // The lucky number is a signed 32-bit value; a seed taken from the clock
    // may lie above its range and is proposed as the number that gives it.
    const std::string proposal = std::to_string(static_cast<std::int32_t>(form.random.seed));
    const std::string seedText =
        form.platform()
            .inputBox(form.msg(Msg::LuckyNumberCaption), form.msg(Msg::LuckyNumberPrompt), proposal)
            .value_or(proposal);
    int seed = 0;
    try {
        seed = toInteger(seedText);
    } catch (const ConversionError&) {
        form.platform().messageBox(kApplicationTitle, form.msg(Msg::LuckyNumberInputError),
                                   MessageButtons::Ok);
        return;
    }
    // Only the lucky number is the user's input error: a round or a report
    // that fails says what went wrong itself.
    const RoundsTally sums = runRounds(form, seed, start);
    compareWithChanceAfterAnalysis(form, sums);
}

void registerSettingsAnalysisHandlers(TForm1& form) {
    form.addHandler("BitBtn9Click", [&form](Component*) { runSettingsAnalysis(form); });
}

}  // namespace kugel
