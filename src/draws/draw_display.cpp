#include "draws/draw_display.h"

#include <cmath>

#include "draws/ticket_check.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "platform/dates.h"
#include "platform/platform.h"

namespace kugel {

void registerDrawDisplayHandlers(TForm1& form) {
    form.addHandler("SpeedButton5Click", [&form](Component*) { showDrawOfPickedDate(form); });
}

std::string drawText(const TZiehung& z, const LocaleInfo& locale, const std::string& gap) {
    std::string text = formatDrawDate(z.Datum, locale) + gap;
    for (int i = 0; i < ZahlenProReihe; ++i)
        text += "  " + std::to_string(z.Zahlen[static_cast<std::size_t>(i)]);
    return text;
}

void showDraw(TForm1& form, const TZiehung& z, const std::string& gap, const std::string& marker) {
    form.Datum1 = z.Datum;
    for (std::size_t i = 0; i < 8; ++i) form.Zahl[i + 1] = z.Zahlen[i];
    form.Label13->setCaption(form.msg(Msg::RowSum) + ": " + std::to_string(z.mainSum()));
    form.Label29->setCaption(drawText(z, form.locale(), gap) + marker +
                             std::to_string(form.Zahl[7]));
}

DrawLocation locateDraw(const std::vector<TZiehung>& records, double day) {
    DrawLocation at;
    while (at.index + 1 < records.size() && records[at.index].Datum < day) ++at.index;
    const TZiehung& z = records[at.index];
    at.shown = z.Datum >= day || (at.index + 1 == records.size() && z.Datum > 0);
    return at;
}

void showDrawOfPickedDate(TForm1& form) {
    const HistoryFile history(form.historyPath());
    if (!history.exists()) {
        form.platform().messageBox(
            kApplicationTitle, "Lesen Sie zuerst die Daten der Ziehungen ein", MessageButtons::Ok);
        history.createEmpty();
        return;
    }
    const HistoryCache::Records shared = form.historyRecords();
    const std::vector<TZiehung>& records = *shared;
    form.aktDatum = std::round(form.DateTimePicker1->date());
    form.Position = 0;
    if (!records.empty()) {
        const DrawLocation at = locateDraw(records, form.aktDatum);
        const TZiehung& z = records[at.index];
        form.Position = static_cast<int>(at.index);
        // The texts differ as they always did: the first record found on or
        // after the date has a wider gap, and a scan that reached the end of
        // the file shows the last draw once more in the browser's form.
        if (z.Datum >= form.aktDatum) showDraw(form, z, at.index == 0 ? "   " : "  ", " PB:");
        if (at.index + 1 == records.size() && z.Datum > 0) showDraw(form, z, "  ", "   PB: ");
    }

    form.DateTimePicker1->setDate(form.Datum1);  // a date the picker refuses is ignored
    form.Label35->setCaption(form.Label29->caption());
    Komplettcheck(form);
}

}  // namespace kugel
