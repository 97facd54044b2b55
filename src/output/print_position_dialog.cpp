#include "output/print_position_dialog.h"

#include <string>

#include "controls/builder.h"

namespace kugel {

TForm8::TForm8(Platform& platform) : Form("Form8", platform) {
    setCaption("Positionierung des Scheindruckes");
    setBounds(200, 150, 420, 300);
    setFontHeight(13);
    Builder b(*this);

    b.label("Label1", this, {12, 12, 396, 17}, "Abstände vom Rand des Scheins in Millimetern");
    constexpr int kColumns = 5;
    for (std::size_t i = 0; i < kEditNumbers.size(); ++i) {
        const int column = static_cast<int>(i) % kColumns;
        const int row = static_cast<int>(i) / kColumns;
        b.edit("Edit" + std::to_string(kEditNumbers[i]), this,
               {12 + column * 80, 38 + row * 28, 60, 21}, "0");
    }
    RadioGroup1 = &create<RadioGroup>("RadioGroup1", this);
    RadioGroup1->setBounds(12, 156, 396, 64);
    RadioGroup1->setCaption("Lage des Scheins im Drucker");
    b.radioButton("RadioButton1", RadioGroup1, {12, 20, 180, 17}, "Hochformat", true);
    b.radioButton("RadioButton2", RadioGroup1, {200, 20, 180, 17}, "Querformat");

    BitBtn1 = &b.button("BitBtn1", Kind::BitBtn, this, {320, 256, 88, 28}, "OK");
    BitBtn1->modalResult = DialogResult::Ok;
}

}  // namespace kugel
