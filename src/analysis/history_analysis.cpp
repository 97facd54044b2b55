#include "analysis/history_analysis.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "analysis/analysis_report.h"
#include "draws/draw_browser.h"
#include "draws/draw_display.h"
#include "draws/hit_count.h"
#include "generation/ticket_editing.h"
#include "model/conversion.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "platform/busy_cursor.h"
#include "platform/dates.h"
#include "platform/platform.h"

namespace kugel {
namespace {

// How often h main numbers were shared, h = 0..6.
using SharedCounts = std::array<int, ZahlenProReihe + 1>;

// A damaged draw with a number standing twice can share more than six; it
// is counted with the sixes rather than outside the table.
void countShared(SharedCounts& table, int shared) {
    ++table[static_cast<std::size_t>(std::clamp(shared, 0, ZahlenProReihe))];
}

std::vector<std::string> historyReport(const TForm1& form, const SharedCounts& earlier,
                                       const SharedCounts& next) {
    std::vector<std::string> lines;
    lines.push_back(form.msg(Msg::AnalysisHitsInDatabase));
    for (std::size_t h = 0; h < earlier.size(); ++h)
        lines.push_back(std::to_string(h) + "    =>" + std::to_string(earlier[h]));
    lines.emplace_back(" ");
    lines.push_back(form.msg(Msg::AnalysisSimilarNextDraw));
    for (std::size_t h = 0; h < next.size(); ++h)
        lines.push_back(std::to_string(h) + "    =>" + std::to_string(next[h]));
    return lines;
}

// Row 1 of the ticket becomes the shown draw; the other unlocked rows are emptied.
void putShownDrawIntoRowOne(TForm1& form) {
    clearUnlockedRows(form);
    std::array<int, ZahlenProReihe> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = form.Zahl[i + 1];
    writeRow(form.ticket.rows[0], numbers, form.Zahl[7]);
}

void emptyChart(TForm1& form) {
    Chart& chart = *form.Chart1;
    chart.Series1.active = false;
    chart.Series2.active = true;
    chart.Series2.points.clear();
    chart.redraw();
}

}  // namespace

void runHistoryAnalysis(TForm1& form) {
    if (!askBeforeAnalysis(form,
                           {Msg::AnalysisDeletesTips, Msg::AnalysisAskFrom, Msg::AnalysisAskRun}))
        return;
    const AnalysisRun running(form);
    showDrawOfPickedDate(form);
    form.PageControl1->setActivePage(form.TabSheet1);
    // Only opens the loop: any date after the shown draw's.
    double recordDate = form.DateTimePicker1->date() + 10;

    const std::string answer =
        form.platform()
            .inputBox(form.msg(Msg::AnalysisStopAtHits), form.msg(Msg::AnalysisCompareCaption), "5")
            .value_or("5");
    const int threshold = toInteger(answer);
    BusyCursor busy(form.platform());
    SharedCounts earlier{};
    SharedCounts next{};
    const TicketRow& row = form.ticket.rows[0];

    // Each pass studies the shown draw; the step at its end shows the next
    // one, until the newest draw, the last record read, is reached.
    while (recordDate > form.Datum1) {
        putShownDrawIntoRowOne(form);
        form.StatusBar1->setPanelText(0, formatShortDate(recordDate, form.locale()));
        form.StatusBar1->setPanelText(1, formatShortDate(form.Datum1, form.locale()));
        form.platform().processEvents();

        const HistoryCache::Records history = form.historyRecords();
        const std::vector<TZiehung>& records = *history;
        recordDate = 0;
        form.Gewinn = 0;
        form.dfb = form.DateTimePicker1->date();
        emptyChart(form);
        const auto& n = row.numbers;
        for (const TZiehung& z : records) {
            recordDate = z.Datum;
            if (z.Datum < form.aktDatum || z.Datum >= form.dfb) continue;
            form.Datum1 = z.Datum;
            for (std::size_t i = 0; i < 8; ++i) form.Zahl[i + 1] = z.Zahlen[i];
            Zettelcheck(form, n[0]->text(), n[1]->text(), n[2]->text(), n[3]->text(), n[4]->text(),
                        n[5]->text(), row.powerball->text());
            countShared(earlier, form.Gewinn);
            if (form.Gewinn < threshold) continue;
            const std::string found = form.msg(Msg::AnalysisHitOn) +
                                      formatShortDate(z.Datum, form.locale()) +
                                      form.msg(Msg::AnalysisHitContinue);
            if (form.platform().messageBox(form.msg(Msg::AnalysisDrawFound), found,
                                           MessageButtons::YesNo) != DialogResult::Yes)
                return;
        }
        // The next draw, checked against the ticket: Gewinn is then what
        // the last row with six readable numbers shares with it.
        showNextDraw(form);
        countShared(next, form.Gewinn);
    }
    saveAndOpenReport(form, historyReport(form, earlier, next));
}

void registerHistoryAnalysisHandlers(TForm1& form) {
    form.addHandler("BitBtn19Click", [&form](Component*) { runHistoryAnalysis(form); });
}

}  // namespace kugel
