#include "update/history_edit.h"

#include <cmath>

#include "draws/draw_display.h"
#include "model/added_texts.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/manual_entry_dialog.h"
#include "model/program_windows.h"
#include "platform/busy_cursor.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/durable_file.h"

namespace kugel {
namespace {
// The temporary files that the rewrites of earlier versions used (entering a
// draw, deleting one) and a kill could leave behind.
std::string entryTemp(const TForm1& form) {
    return form.Home + form.ZahlenFile + "~";
}
std::string deletionTemp(const TForm1& form) {
    return form.Home + "Zahlen.da~";
}
}  // namespace

void removeInterruptedRewrites(const TForm1& form) {
    std::error_code ignored;
    std::filesystem::remove(entryTemp(form), ignored);
    std::filesystem::remove(deletionTemp(form), ignored);
}

void registerHistoryEditHandlers(TForm1& form) {
    form.addHandler("BitBtn8Click", [&form](Component*) { enterDrawByHand(form); });
    form.addHandler("BitBtn4Click", [&form](Component*) { deleteShownDraw(form); });
    form.addHandler("BitBtn3Click", [&form](Component*) { exportHistoryAsText(form); });
}

void enterDrawByHand(TForm1& form) {
    const HistoryFile history(form.historyPath());
    const std::vector<TZiehung> records = history.readAll();

    // Start from the first draw of the chosen date, else the newest one.
    const double chosen = form.DateTimePicker1->date();
    std::size_t found = 0;
    while (found + 1 < records.size() && records[found].Datum != chosen) ++found;
    const TZiehung start = records.empty() ? TZiehung{ErsteZiehung, {}} : records[found];
    const bool foundIsLast = records.empty() || found + 1 == records.size();
    form.aktDatum = start.Datum;

    TForm3& dialog = form.app().form3();
    dialog.load(start);
    if (form.app().showModal(dialog) == DialogResult::Ok) {
        const TZiehung entered = dialog.entered();
        if (!entered.isValidDraw()) {
            // A draw with a number twice never happened; storing it would
            // spoil every statistic built on the history.
            form.platform().messageBox(kApplicationTitle, form.msg(AddedText::RepeatedNumbers),
                                       MessageButtons::Ok);
        } else if (entered.Datum > std::round(form.aktDatum) && foundIsLast) {
            history.append(entered);
        } else {
            // Insert before the first draw on or after the new date and drop
            // every draw of that date: the entry replaces them.
            std::vector<TZiehung> rewritten;
            rewritten.reserve(records.size() + 1);
            bool written = false;
            for (const TZiehung& old : records) {
                if (!written && old.Datum >= entered.Datum) {
                    rewritten.push_back(entered);
                    written = true;
                }
                if (old.Datum != entered.Datum) rewritten.push_back(old);
            }
            if (!written) rewritten.push_back(entered);
            removeInterruptedRewrites(form);
            history.rewrite(rewritten);
        }
    }
    form.DateTimePicker1->setDate(form.aktDatum);
    showDrawOfPickedDate(form);
}

void deleteShownDraw(TForm1& form) {
    {
        BusyCursor busy(form.platform());
        const HistoryFile history(form.historyPath());
        std::vector<TZiehung> kept;
        for (const TZiehung& z : history.readAll())
            if (z.Datum != form.Datum1) kept.push_back(z);
        removeInterruptedRewrites(form);
        history.rewrite(kept);
    }
    showDrawOfPickedDate(form);
}

void exportHistoryAsText(TForm1& form) {
    const auto chosen = form.platform().saveFileDialog(
        form.SaveDialog1->filter, form.Home + "Zahlen.txt", form.SaveDialog1->defaultExt);
    if (!chosen) return;
    const std::vector<TZiehung> records = HistoryFile(form.historyPath()).readAll();
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (const TZiehung& z : records) {
        std::string line = formatShortDate(z.Datum, form.locale());
        for (const std::uint8_t n : z.Zahlen) line += "," + std::to_string(n);
        lines.push_back(line + ";");
    }
    // Written beside the chosen file and then put in its place: an export
    // that fails half way leaves the file that was there as it was.
    replaceFileAtomically(*chosen, encodeAnsiLines(lines));
}

}  // namespace kugel
