#include "checking/draw_display.h"

#include <cmath>

#include "checking/ticket_check.h"
#include "model/history_file.h"
#include "model/message_table.h"
#include "platform/dates.h"
#include "platform/platform.h"
#include "shell/application.h"
#include "shell/main_window.h"

namespace kugel {

void registerDrawDisplayHandlers(TForm1& form) {
    form.addHandler("SpeedButton5Click", [&form](Component*) { SpeedButton5Click(form); });
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

void SpeedButton5Click(TForm1& form) {
    const HistoryFile history(form.historyPath());
    if (!history.exists()) {
        form.platform().messageBox(
            kApplicationTitle, "Lesen Sie zuerst die Daten der Ziehungen ein", MessageButtons::Ok);
        history.createEmpty();
        return;
    }
    const std::vector<TZiehung> records = history.readAll();
    form.aktDatum = std::round(form.DateTimePicker1->date());
    form.Position = 1;

    // The scan is kept as the program always did it: the first draw on or
    // after the date is shown as found, and when the scan reaches the end of
    // the file the last draw read is shown once more in the browser's form.
    std::size_t next = 0;
    const TZiehung* last = nullptr;
    if (next < records.size()) {
        last = &records[next++];
        if (last->Datum >= form.aktDatum) showDraw(form, *last, "   ", " PB:");
    }
    while (next < records.size() && last->Datum < form.aktDatum) {
        last = &records[next++];
        ++form.Position;
        if (last->Datum >= form.aktDatum) showDraw(form, *last, "  ", " PB:");
    }
    --form.Position;
    if (next == records.size() && last && last->Datum > 0) showDraw(form, *last, "  ", "   PB: ");

    form.DateTimePicker1->setDate(form.Datum1);  // a date the picker refuses is ignored
    form.Label35->setCaption(form.Label29->caption());
    Komplettcheck(form);
}

}  // namespace kugel
