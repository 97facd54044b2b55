#include "draws/ticket_check.h"

#include <algorithm>
#include <array>

#include "draws/hit_count.h"
#include "model/main_window.h"
#include "platform/platform.h"

namespace kugel {
namespace {

// Sorts and sums one row, counts its hits and shows them. Throws
// ConversionError when a field of the row holds no number; what was written
// before that stays.
void checkRow(TForm1& form, const TicketRow& row) {
    std::array<int, ZahlenProReihe> values{};
    for (std::size_t k = 0; k < values.size(); ++k) values[k] = toInteger(row.numbers[k]->text());

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
}

}  // namespace

void Komplettcheck(TForm1& form) {
    for (auto& cls : form.Statistik) cls = {0, 0};
    if (!form.sortieren) return;

    // Locked rows are checked like the others; a row with an empty or
    // invalid field shows no result and the check goes on with the next.
    for (const TicketRow& row : form.ticket.rows) {
        try {
            checkRow(form, row);
        } catch (const ConversionError&) {
            row.hits->setCaption("");
            for (Edit* e : row.numbers) e->setColor(clWindow);
            row.powerball->setColor(clWindow);
        }
    }
}

}  // namespace kugel
