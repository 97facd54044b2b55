#include "analysis/settings_analysis.h"

#include <cstdint>

#include <algorithm>
#include <exception>
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

std::vector<std::string> settingsReport(const TForm1& form, const HitStatistics& sums, int rounds) {
    const int rowsPerTicket = form.ticket.UpDown8->position();
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
    return lines;
}

// Steps 4 to 9: the rounds and the report. Returns the rows by hit class,
// summed over the rounds, or throws.
HitStatistics runRounds(TForm1& form, const std::string& seedText, double start) {
    const int seed = toInteger(seedText);
    form.random.seed = static_cast<std::uint32_t>(seed);
    const std::string seedStatus = form.msg(Msg::LuckyNumberSetBefore) + std::to_string(seed) +
                                   form.msg(Msg::LuckyNumberSetAfter);
    form.StatusBar1->setPanelText(1, seedStatus);
    BusyCursor busy(form.platform());

    HitStatistics sums{};
    int rounds = 0;
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
        // The next week's draw: the first on or after the end date + 7 days,
        // or the newest; the ticket check fills Statistik.
        form.DateTimePicker1->setDate(form.DateTimePicker1->date() + ZiehungsAbstand);
        SpeedButton5Click(form);
        ++rounds;
        for (std::size_t h = 0; h < sums.size(); ++h) {
            sums[h][0] += form.Statistik[h][0];
            sums[h][1] += form.Statistik[h][1];
        }
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
    saveAndOpenReport(form, settingsReport(form, sums, rounds));
    return sums;
}

// After the report: the same rows beside what chance gives for as many, in
// a second report beside the first and in the comparison window, which
// names that file.
void compareWithChanceAfterAnalysis(TForm1& form, const HitStatistics& sums) {
    const ChanceComparison c = judgeAgainstChance(hitClassCounts(sums));
    std::vector<std::string> lines = chanceLines(
        form, form.addedTexts.format(AddedText::ChanceOfSettings, {std::to_string(c.rows)}), c);
    const std::filesystem::path target = chanceReportPath(reportPath(form));
    std::vector<std::string> report{form.msg(AddedText::ChanceTitle)};
    report.insert(report.end(), lines.begin(), lines.end());
    writeReport(target, report);
    lines.emplace_back();
    lines.push_back(form.addedTexts.format(AddedText::ChanceReportFile, {target.string()}));
    showChanceComparison(form, c, std::move(lines));
}

}  // namespace

void BitBtn9Click(TForm1& form) {
    if (form.analysisRunning || form.calculationRunning()) return;
    const std::string question = form.msg(Msg::SettingsAnalysisAskFrom) +
                                 formatShortDate(form.DateTimePicker1->date(), form.locale()) +
                                 form.msg(Msg::SettingsAnalysisAskRun);
    if (form.platform().messageBox(form.msg(Msg::SettingsAnalysisDeletesTips), question,
                                   MessageButtons::YesNo) != DialogResult::Yes)
        return;
    const AnalysisRun running(form);
    const ChoiceListOff listOff(*form.settings.CheckBox20);
    const double start = form.DateTimePicker1->date();
    SpeedButton5Click(form);

    // The lucky number is a signed 32-bit value; a seed taken from the clock
    // may lie above its range and is proposed as the number that gives it.
    const std::string proposal = std::to_string(static_cast<std::int32_t>(form.random.seed));
    const std::string seedText =
        form.platform()
            .inputBox(form.msg(Msg::LuckyNumberCaption), form.msg(Msg::LuckyNumberPrompt), proposal)
            .value_or(proposal);
    std::optional<HitStatistics> sums;
    try {
        sums = runRounds(form, seedText, start);
    } catch (const std::exception&) {
        form.platform().messageBox(kApplicationTitle, form.msg(Msg::LuckyNumberInputError),
                                   MessageButtons::Ok);
    }
    // Outside the rounds' guard: a comparison that cannot be written is no
    // fault of the lucky number, and says what went wrong itself.
    if (sums) compareWithChanceAfterAnalysis(form, *sums);
}

void registerSettingsAnalysisHandlers(TForm1& form) {
    form.addHandler("BitBtn9Click", [&form](Component*) { BitBtn9Click(form); });
}

}  // namespace kugel
