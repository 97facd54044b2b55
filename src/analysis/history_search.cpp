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
// against every draw of the range, and apart those checked against draws
// after the ticket's calculation when the ticket is the calculation's.
struct SearchTally {
    ChanceTally all;
    ChanceTally after;
    std::optional<double> learnedUntil;
    double firstAfter = 0;
    long long learnedDraws = 0;
};

// Checks row r against the shown draw, writes its hit label and counts its
// class. Returns the counted hits, or nothing when a field of the row holds
// no number.
std::optional<int> searchRow(TForm1& form, const TicketRow& row, ChanceTally& tally,
                             ChanceTally* after, std::vector<CheckedRow>& checked) {
    const auto& n = row.numbers;
    try {
        Zettelcheck(form, n[0]->text(), n[1]->text(), n[2]->text(), n[3]->text(), n[4]->text(),
                    n[5]->text(), row.powerball->text());
    } catch (const ConversionError&) {
        row.hits->setCaption("");
        return std::nullopt;
    }
    CheckedRow r;
    for (std::size_t k = 0; k < r.numbers.size(); ++k) r.numbers[k] = toInteger(n[k]->text());
    r.powerball = toInteger(row.powerball->text());
    checked.push_back(r);
    const HitClass cls{form.Gewinn, form.Zusatz};
    tally.count(cls.hits, cls.powerball);
    if (after) after->count(cls.hits, cls.powerball);
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
    if (tally.all.rows() == 0) return;
    const ChanceComparison c = judgeTally(tally.all);
    const std::vector<std::string> head{
        form.addedTexts.format(AddedText::ChanceOfSearch,
                               {std::to_string(c.rows), std::to_string(tally.all.draws)}),
        ""};
    if (!tally.learnedUntil || tally.learnedDraws == 0) {
        showChanceComparison(form, c, chanceLines(form, head, c));
        return;
    }
    LearnedDraws learned{*tally.learnedUntil, tally.learnedDraws, std::nullopt, tally.firstAfter};
    if (tally.after.rows() > 0) learned.after = judgeTally(tally.after);
    showChanceComparison(form, c, chanceLines(form, head, c, &learned));
}

}  // namespace

void searchTicketInHistory(TForm1& form) {
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
    tally.learnedUntil = ticketLearnedUntil(form);
    std::vector<CheckedRow> checked;
    for (const TZiehung& z : records) {
        if (z.Datum < form.aktDatum || z.Datum > form.dfb) continue;
        showDraw(form, z, "  ", "  PB: ");
        form.Label35->setCaption(form.Label29->caption());
        const bool learned = tally.learnedUntil && z.Datum <= *tally.learnedUntil;
        if (learned) ++tally.learnedDraws;
        if (!learned && tally.after.draws == 0) tally.firstAfter = z.Datum;
        ChanceTally* after = learned ? nullptr : &tally.after;
        // The rows checked against this draw: all readable ones, or those
        // before the row at which the user stopped.
        checked.clear();
        bool goOn = true;
        for (std::size_t r = 0; r < form.ticket.rows.size() && goOn; ++r) {
            const std::optional<int> hits =
                searchRow(form, form.ticket.rows[r], tally.all, after, checked);
            if (!hits || *hits < threshold) continue;
            ++reached[r];
            goOn = askToGoOn(form, r);
        }
        tally.all.addDraw(checked);
        if (after) after->addDraw(checked);
        if (!goOn) break;
    }
    showRowBars(form, reached);
    compareSearchWithChance(form, tally);
}

void registerHistorySearchHandlers(TForm1& form) {
    form.addHandler("SpeedButton4Click", [&form](Component*) { searchTicketInHistory(form); });
}

}  // namespace kugel
