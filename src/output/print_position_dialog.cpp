#include "output/print_position_dialog.h"

#include <string>

#include "controls/control_table.h"

namespace kugel {

namespace {

// The position edits in rows of kColumns, in the order of kEditNumbers.
ControlRows positionRows() {
    constexpr int kColumns = 5;
    constexpr int kLeft = 12;
    constexpr int kTop = 38;
    constexpr int kPitchX = 80;
    constexpr int kPitchY = 28;
    ControlRows rows = {{.kind = Kind::Label,
                         .name = "Label1",
                         .bounds = {12, 12, 396, 17},
                         .caption = "Abstände vom Rand des Scheins in Millimetern"}};
    for (std::size_t i = 0; i < TForm8::kEditNumbers.size(); ++i) {
        const int column = static_cast<int>(i) % kColumns;
        const int row = static_cast<int>(i) / kColumns;
        rows.push_back({.kind = Kind::Edit,
                        .name = "Edit" + std::to_string(TForm8::kEditNumbers[i]),
                        .bounds = {kLeft + column * kPitchX, kTop + row * kPitchY, 60, 21},
                        .caption = "0"});
    }
    return rows;
}

const ControlRows& designedRows() {
    static const ControlRows rows = concatenate({
        positionRows(),
        {
            {.kind = Kind::RadioGroup,
             .name = "RadioGroup1",
             .bounds = {12, 156, 396, 64},
             .caption = "Lage des Scheins im Drucker"},
            {.kind = Kind::RadioButton,
             .name = "RadioButton1",
             .parent = "RadioGroup1",
             .bounds = {12, 20, 180, 17},
             .caption = "Hochformat",
             .checked = true},
            {.kind = Kind::RadioButton,
             .name = "RadioButton2",
             .parent = "RadioGroup1",
             .bounds = {200, 20, 180, 17},
             .caption = "Querformat"},
            {.kind = Kind::BitBtn,
             .name = "BitBtn1",
             .bounds = {320, 256, 88, 28},
             .caption = "OK",
             .modalResult = DialogResult::Ok},
        },
    });
    return rows;
}

}  // namespace

TForm8::TForm8(Platform& platform) : Form("Form8", platform) {
    setCaption("Positionierung des Scheindruckes");
    setBounds(200, 150, 420, 300);
    setFontHeight(13);
    buildControls(*this, designedRows());
    bindMember(*this, "RadioGroup1", RadioGroup1);
    bindMember(*this, "BitBtn1", BitBtn1);
}

}  // namespace kugel
