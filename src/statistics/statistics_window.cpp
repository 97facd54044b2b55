#include "statistics/statistics_window.h"

#include "model/history_file.h"
#include "model/main_window.h"

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
    return window;
}

}  // namespace kugel
