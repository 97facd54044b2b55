#include "model/manual_entry_dialog.h"
#include "model/added_texts.h"

#include <algorithm>
#include <cmath>

namespace kugel {

namespace {

ControlRow edit(std::string name, Bounds b, bool visible = true) {
    return {.kind = Kind::Edit, .name = std::move(name), .bounds = b, .visible = visible};
}

ControlRow upDown(std::string name, std::string edit, int min, int max, bool visible = true) {
    return {.kind = Kind::UpDown,
            .name = std::move(name),
            .associate = std::move(edit),
            .min = min,
            .max = max,
            .position = min,
            .visible = visible};
}

ControlRows designedRows() {
    ControlRows rows = {{.kind = Kind::DateTimePicker,
                         .name = "DateTimePicker1",
                         .bounds = {12, 12, 120, 22},
                         .minDate = -657434}};  // 1 January 100: any date
    // The six main numbers side by side, kPitch apart.
    constexpr int kPitch = 52;
    for (int i = 1; i <= ZahlenProReihe; ++i) {
        const std::string n = std::to_string(i);
        rows.push_back(edit("Edit" + n, {12 + (i - 1) * kPitch, 46, 30, 21}));
        rows.push_back(upDown("UpDown" + n, "Edit" + n, 1, MaxZahl));
    }
    return concatenate({
        rows,
        {
            {.kind = Kind::Label, .name = "Label1", .bounds = {322, 50, 24, 17}, .caption = "PB:"},
            edit("Edit7", {348, 46, 24, 21}),
            upDown("UpDown7", "Edit7", 1, MaxPowerball),
            {.kind = Kind::Label,
             .name = "Label2",
             .bounds = {150, 16, 20, 17},
             .caption = "PP:",
             .visible = false},
            edit("Edit8", {172, 12, 30, 21}, false),
            upDown("UpDown8", "Edit8", 0, 20, false),
            {.kind = Kind::BitBtn,
             .name = "BitBtn2",
             .bounds = {196, 90, 88, 28},
             .caption = "OK",
             .modalResult = DialogResult::Ok},
            {.kind = Kind::BitBtn,
             .name = "BitBtn1",
             .bounds = {292, 90, 88, 28},
             .caption = "Abbrechen",
             .modalResult = DialogResult::Abort},
        },
    });
}

}  // namespace

TForm3::TForm3(Platform& platform) : Form("Form3", platform) {
    setCaption(builtInAddedTexts()[AddedText::EntryDialogTitle]);
    setBounds(420, 220, 392, 132);
    setFontHeight(13);
    static const ControlRows rows = designedRows();
    buildControls(*this, rows);
    bindMember(*this, "DateTimePicker1", DateTimePicker1);
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        bindMember(*this, "Edit" + n, edits[i]);
        bindMember(*this, "UpDown" + n, upDowns[i]);
    }
    bindMember(*this, "Label1", Label1);
    bindMember(*this, "Label2", Label2);
    bindMember(*this, "BitBtn2", BitBtn2);
    bindMember(*this, "BitBtn1", BitBtn1);
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
