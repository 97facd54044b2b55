#include "statistics/statistics_window.h"

#include "model/history_file.h"
#include "model/main_window.h"
#include "platform/dates.h"

namespace kugel {

StatisticsWindow readStatisticsWindow(TForm1& form, StartDay startDay) {
    // Reading first keeps a failed read from touching the form or the chart.
    const HistoryCache::Records records = form.historyRecords();

    StatisticsWindow window;
    window.start = form.DateTimePicker2->date();
    window.end = form.DateTimePicker1->date();
    form.aktDatum = window.start;

    for (const TZiehung& z : *records) {
        const bool afterStart =
            startDay == StartDay::Included ? z.Datum >= window.start : z.Datum > window.start;
        if (afterStart && z.Datum <= window.end) window.draws.push_back(z);
    }
    if (!form.calculationRunning() && !form.analysisRunning) noteDrawlessPeriod(form, window);
    return window;
}

void noteDrawlessPeriod(TForm1& form, const StatisticsWindow& window) {
    // An empty chart, or one that keeps the title of the chart before, would
    // otherwise be all the player sees of a period without a draw.
    if (window.draws.empty()) {
        form.noDrawNote = form.addedTexts.format(AddedText::NoDrawInPeriod,
                                                 {formatShortDate(window.start, form.locale()),
                                                  formatShortDate(window.end, form.locale())});
        form.StatusBar1->setPanelText(0, form.noDrawNote);
    } else if (!form.noDrawNote.empty()) {
        if (form.StatusBar1->panelText(0) == form.noDrawNote) form.StatusBar1->setPanelText(0, "");
        form.noDrawNote.clear();
    }
}

}  // namespace kugel
