#include "model/manual_entry_dialog.h"
#include "model/added_texts.h"

#include <algorithm>
#include <cmath>

namespace kugel {

TForm3::TForm3(Platform& platform) : Form("Form3", platform) {
    setCaption(builtInAddedTexts()[AddedText::EntryDialogTitle]);
    setBounds(420, 220, 392, 132);
    setFontHeight(13);
    Builder b(*this);

    DateTimePicker1 = &b.datePicker("DateTimePicker1", this, {12, 12, 120, 22});
    DateTimePicker1->setMinDate(-657434);  // 1 January 100: any date
    for (int i = 0; i < 6; ++i) {
        const std::string n = std::to_string(i + 1);
        edits[static_cast<std::size_t>(i)] = &b.edit("Edit" + n, this, {12 + i * 52, 46, 30, 21});
        upDowns[static_cast<std::size_t>(i)] =
            &b.upDown("UpDown" + n, *edits[static_cast<std::size_t>(i)], 1, MaxZahl, 1);
    }
    Label1 = &b.label("Label1", this, {322, 50, 24, 17}, "PB:");
    edits[6] = &b.edit("Edit7", this, {348, 46, 24, 21});
    upDowns[6] = &b.upDown("UpDown7", *edits[6], 1, MaxPowerball, 1);
    Label2 = &b.label("Label2", this, {150, 16, 20, 17}, "PP:");
    Label2->setVisible(false);
    edits[7] = &b.edit("Edit8", this, {172, 12, 30, 21});
    edits[7]->setVisible(false);
    upDowns[7] = &b.upDown("UpDown8", *edits[7], 0, 20, 0);
    upDowns[7]->setVisible(false);

    BitBtn2 = &b.button("BitBtn2", Kind::BitBtn, this, {196, 90, 88, 28}, "OK");
    BitBtn2->modalResult = DialogResult::Ok;
    BitBtn1 = &b.button("BitBtn1", Kind::BitBtn, this, {292, 90, 88, 28}, "Abbrechen");
    BitBtn1->modalResult = DialogResult::Abort;
}

void TForm3::load(const TZiehung& z) {
    DateTimePicker1->setDate(z.Datum);
    for (std::size_t i = 0; i < 8; ++i) upDowns[i]->setPosition(z.Zahlen[i]);
}

TZiehung TForm3::entered() const {
    TZiehung z;
    z.Datum = std::floor(DateTimePicker1->date());
    for (std::size_t i = 0; i < 8; ++i)
        z.Zahlen[i] = static_cast<std::uint8_t>(upDowns[i]->position());
    std::sort(z.Zahlen.begin(), z.Zahlen.begin() + ZahlenProReihe);
    return z;
}

}  // namespace kugel
