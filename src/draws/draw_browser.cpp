#include "draws/draw_browser.h"

#include <algorithm>
#include <vector>

#include "draws/draw_display.h"
#include "draws/ticket_check.h"
#include "model/history_file.h"
#include "model/main_window.h"

namespace kugel {
namespace {

// Shows the record at `index` (the last one when the file ends before it)
// and leaves Position on the record shown. An empty history shows the
// first draw's date with no numbers.
void showRecord(TForm1& form, long long index) {
    // A missing file throws the system's error text; the display stays as it was.
    const HistoryCache::Records history = form.historyRecords();
    const std::vector<TZiehung>& records = *history;
    form.aktDatum = form.DateTimePicker2->date();

    TZiehung shown{ErsteZiehung, {}};
    form.Position = 0;
    if (!records.empty()) {
        form.Position =
            static_cast<int>(std::clamp(index, 0LL, static_cast<long long>(records.size()) - 1));
        shown = records[static_cast<std::size_t>(form.Position)];
    }
    showDraw(form, shown, "  ", "   PB: ");
    form.Label35->setCaption(form.Label29->caption());
    form.DateTimePicker1->setDate(form.Datum1);  // a date the picker refuses leaves it
    Komplettcheck(form);
}

}  // namespace

void showPreviousDraw(TForm1& form) {
    showRecord(form, std::max(form.Position - 1LL, 0LL));
}

void showNextDraw(TForm1& form) {
    showRecord(form, form.Position + 1LL);
}

void registerDrawBrowserHandlers(TForm1& form) {
    form.addHandler("SpeedButton6Click", [&form](Component*) { showPreviousDraw(form); });
    form.addHandler("SpeedButton7Click", [&form](Component*) { showNextDraw(form); });
}

}  // namespace kugel
