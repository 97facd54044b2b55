#include "analysis/history_search.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/chance_report.h"
#include "draws/draw_display.h"
#include "draws/hit_count.h"
#include "model/conversion.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "platform/dates.h"
#include "platform/platform.h"
#include "statistics/chart_output.h"

namespace kugel {
namespace {

// Without the Powerball counting six hits are the most a row can reach.
constexpr int kDefaultThreshold = 5;
constexpr int kDefaultThresholdWithPowerball = 7;

// What the search saw, for the comparison with chance: every row checked
// against every draw of the range, by hit class.
struct SearchTally {
    HitClassCounts rows{};
    long long draws = 0;
};

// Checks row r against the shown draw, writes its hit label and counts its
// class. Returns the counted hits, or nothing when a field of the row holds
// no number.
std::optional<int> searchRow(TForm1& form, const TicketRow& row, SearchTally& tally) {
    const auto& n = row.numbers;
    try {
        Zettelcheck(form, n[0]->text(), n[1]->text(), n[2]->text(), n[3]->text(), n[4]->text(),
                    n[5]->text(), row.powerball->text());
    } catch (const ConversionError&) {
        row.hits->setCaption("");
        return std::nullopt;
    }
    const HitClass cls{form.Gewinn, form.Zusatz};
    // A damaged draw with a number standing twice can give more than six.
    ++tally.rows[static_cast<std::size_t>(
        hitClassIndex(std::clamp(cls.hits, 0, ZahlenProReihe), cls.powerball))];
    row.hits->setFontColor(cls.hits >= 3 || cls.powerball ? clRed : clBlack);
    row.hits->setCaption(hitClassText(cls));
    return countedHits(cls, form.settings.CheckBox31->checked());
}

bool askToGoOn(TForm1& form, std::size_t row) {
    const std::string date = formatShortDate(form.Datum1, form.locale());
    const DialogResult answer =
        row == 0 ? form.platform().messageBox(form.msg(Msg::TipTestDrawFound),
                                              form.msg(Msg::TipTestHitOn) + "  " + date + " . " +
                                                  form.msg(Msg::TipTestContinue),
                                              MessageButtons::YesNo)
                 : form.platform().messageBox("Ziehung gefunden",
                                              "Ein Treffer am  " + date + " gefunden. Weiter?",
                                              MessageButtons::YesNo);
    return answer == DialogResult::Yes;
}

void showRowBars(TForm1& form, const std::array<int, MaxTipps>& reached) {
    std::vector<ChartPoint> bars;
    for (std::size_t r = 0; r < reached.size(); ++r)
        bars.push_back(seriesBar(*form.Chart1, static_cast<int>(r) + 1, reached[r]));
    showBars(*form.Chart1, std::move(bars), ValueAxis::Automatic,
             form.msg(AddedText::SearchChartTitle));
}

// The rows checked beside what chance gives for as many; nothing when the
// range held no draw or the ticket no row to check.
void compareSearchWithChance(TForm1& form, const SearchTally& tally) {
    const ChanceComparison c = judgeAgainstChance(tally.rows);
    if (c.rows == 0) return;
    showChanceComparison(
        form, c,
        chanceLines(form,
                    form.addedTexts.format(AddedText::ChanceOfSearch,
                                           {std::to_string(c.rows), std::to_string(tally.draws)}),
                    c));
}

}  // namespace

void SpeedButton4Click(TForm1& form) {
    const bool powerballCounts = form.settings.CheckBox31->checked();
    const std::string proposed =
        std::to_string(powerballCounts ? kDefaultThresholdWithPowerball : kDefaultThreshold);
    const std::string answer =
        form.platform()
            .inputBox(form.msg(Msg::TipTestStopAtHits), form.msg(Msg::TipTestCaption), proposed)
            .value_or(proposed);
    const int threshold = toInteger(answer);

    const HistoryCache::Records history = form.historyRecords();
    const std::vector<TZiehung>& records = *history;
    form.aktDatum = form.DateTimePicker2->date();
    form.Gewinn = 0;
    form.dfb = form.DateTimePicker1->date();

    Chart& chart = *form.Chart1;
    chart.Series1.active = false;
    chart.Series2.active = true;
    chart.Series2.points.clear();
    chart.redraw();

    // Bar r: the draws seen in which row r reached the threshold.
    std::array<int, MaxTipps> reached{};
    SearchTally tally;
    for (const TZiehung& z : records) {
        if (z.Datum < form.aktDatum || z.Datum > form.dfb) continue;
        showDraw(form, z, "  ", "  PB: ");
        form.Label35->setCaption(form.Label29->caption());
        ++tally.draws;
        for (std::size_t r = 0; r < form.ticket.rows.size(); ++r) {
            const std::optional<int> hits = searchRow(form, form.ticket.rows[r], tally);
            if (!hits || *hits < threshold) continue;
            ++reached[r];
            if (!askToGoOn(form, r)) {
                showRowBars(form, reached);
                compareSearchWithChance(form, tally);
                return;
            }
        }
    }
    showRowBars(form, reached);
    compareSearchWithChance(form, tally);
}

void registerHistorySearchHandlers(TForm1& form) {
    form.addHandler("SpeedButton4Click", [&form](Component*) { SpeedButton4Click(form); });
}

}  // namespace kugel
