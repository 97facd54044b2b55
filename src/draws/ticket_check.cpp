#include "draws/ticket_check.h"

#include <algorithm>
#include <array>

#include "controls/value_text.h"
#include "draws/hit_count.h"
#include "model/main_window.h"
#include "platform/platform.h"

namespace kugel {
namespace {

// Sorts and sums one row, counts its hits and shows them. False, with
// nothing written, when a number field holds no number: empty rows are the
// usual case, checked at every draw shown, so they are told without an
// exception. Throws ConversionError when the Powerball field holds no
// number; what was written before that stays.
bool checkRow(TForm1& form, const TicketRow& row) {
    std::array<int, ZahlenProReihe> values{};
    for (std::size_t k = 0; k < values.size(); ++k) {
        const auto value = parseInt(row.numbers[k]->text());
        if (!value) return false;
        values[k] = *value;
    }

    int sum = 0;
    for (const int v : values) sum += v;
    row.sum->setCaption(std::to_string(sum));

    std::sort(values.begin(), values.end());
    for (std::size_t k = 0; k < values.size(); ++k)
        row.numbers[k]->setText(std::to_string(values[k]));

    const auto& n = row.numbers;
    Zettelcheck(form, n[0]->text(), n[1]->text(), n[2]->text(), n[3]->text(), n[4]->text(),
                n[5]->text(), row.powerball->text());

    for (std::size_t k = 0; k < n.size(); ++k)
        n[k]->setColor(form.Treffer[k + 1] ? clLime : clWindow);

    const HitClass cls{form.Gewinn, form.Zusatz};
    // A damaged draw with a number standing twice can give more than six
    // hits; it is counted with the sixes rather than outside the table.
    const auto hits = static_cast<std::size_t>(std::clamp(cls.hits, 0, ZahlenProReihe));
    ++form.Statistik[hits][cls.powerball ? 1 : 0];

    row.hits->setCaption(hitClassText(cls));
    if (isHighlighted(cls)) {
        row.hits->setFontColor(clRed);
        form.platform().playSoundAsync(form.SoundName);
    } else {
        row.hits->setFontColor(clBlack);
    }
    row.powerball->setColor(cls.powerball ? clRed : clWindow);
    return true;
}

}  // namespace

void Komplettcheck(TForm1& form) {
    for (auto& cls : form.Statistik) cls = {0, 0};
    if (!form.sortieren) return;

    // Locked rows are checked like the others; a row with an empty or
    // invalid field shows no result and the check goes on with the next.
    for (const TicketRow& row : form.ticket.rows) {
        try {
            if (checkRow(form, row)) continue;
        } catch (const ConversionError&) {
            // A Powerball that is no number: no result either.
        }
        row.hits->setCaption("");
        for (Edit* e : row.numbers) e->setColor(clWindow);
        row.powerball->setColor(clWindow);
    }
}

}  // namespace kugel
