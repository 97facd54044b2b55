#include "model/ticket_controls.h"

#include <string>

#include "controls/builder.h"
#include "model/main_window.h"

namespace kugel {
namespace {

// Which controls make up each row. The numbering of the controls is not
// regular (Edit37..42 and Edit55 are settings, Label61 is row 10 and Label62
// row 9), so nothing may derive it; this table is the one authority.
struct RowNames {
    int lockLabel;
    int firstEdit;
    int powerballEdit;
    int sumLabel;
    int hitLabel;
};

constexpr std::array<RowNames, MaxTipps> kRowNames{{
    {28, 1, 93, 36, 22},
    {30, 7, 94, 37, 23},
    {31, 13, 95, 38, 24},
    {32, 19, 96, 39, 25},
    {33, 25, 97, 40, 26},
    {34, 31, 98, 41, 27},
    {46, 43, 99, 49, 45},
    {48, 49, 100, 50, 47},
    {62, 56, 101, 67, 65},
    {61, 62, 102, 68, 66},
    {63, 68, 103, 71, 69},
    {64, 74, 104, 72, 70},
}};

// Grid of the rows between the browser panel (top 34 px) and Panel3.
constexpr int kHeaderTop = 38;
constexpr int kFirstRowTop = 58;
constexpr int kRowPitch = 25;
constexpr int kEditHeight = 21;
constexpr int kLockLeft = 10;
constexpr int kLockWidth = 60;
constexpr int kNumbersLeft = 76;
constexpr int kNumberWidth = 34;
constexpr int kNumberPitch = 38;
constexpr int kPowerballLeft = 314;
constexpr int kSumLeft = 362;
constexpr int kSumWidth = 50;
constexpr int kHitsLeft = 420;
constexpr int kHitsWidth = 60;
constexpr int kEditButtonLeft = 488;
constexpr int kEditButtonWidth = 26;

// Tag 8 keeps the number fields out of the language files.
constexpr int kNoTranslationTag = 8;

const char* const kLockHint = "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!";
const char* const kEditButtonHint =
    "Klicken Sie hier um den Tipp zu ändern oder per Zufallsgenerator erzeugen wollen";

std::string n(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

void buildHeader(TForm1& form, Builder& b) {
    Component* page = form.TabSheet1;
    b.label("TippKopfZahlen", page, {kNumbersLeft, kHeaderTop, 5 * kNumberPitch + kNumberWidth, 17},
            "Zahlen");
    b.label("TippKopfPowerball", page, {kPowerballLeft, kHeaderTop, kNumberWidth + 8, 17}, "PB");
    b.label("TippKopfSumme", page, {kSumLeft, kHeaderTop, kSumWidth, 17}, "Summe");
    b.label("TippKopfTreffer", page, {kHitsLeft, kHeaderTop, kHitsWidth, 17}, "Treffer");
}

TicketRow buildRow(TForm1& form, Builder& b, int index) {
    const RowNames& names = kRowNames[static_cast<std::size_t>(index)];
    Component* page = form.TabSheet1;
    const int top = kFirstRowTop + index * kRowPitch;
    const int labelTop = top + 3;
    TicketRow row;

    row.lock = &b.label(n("Label", names.lockLabel), page, {kLockLeft, labelTop, kLockWidth, 17},
                        std::to_string(index + 1) + ". Tipp", kLockHint);
    row.lock->bindEvent("OnClick", "Label30Click");

    for (int k = 0; k < ZahlenProReihe; ++k) {
        Edit& e = b.edit(n("Edit", names.firstEdit + k), page,
                         {kNumbersLeft + k * kNumberPitch, top, kNumberWidth, kEditHeight});
        e.setTag(kNoTranslationTag);
        e.bindEvent("OnChange", "Edit1Change");
        e.bindEvent("OnExit", "Edit1Exit");
        row.numbers[static_cast<std::size_t>(k)] = &e;
    }

    row.powerball = &b.edit(n("Edit", names.powerballEdit), page,
                            {kPowerballLeft, top, kNumberWidth, kEditHeight});
    row.powerball->bindEvent("OnChange", "Edit6Change");
    row.powerball->bindEvent("OnExit", "Edit1Exit");

    row.sum = &b.label(n("Label", names.sumLabel), page, {kSumLeft, labelTop, kSumWidth, 17}, "");
    row.hits =
        &b.label(n("Label", names.hitLabel), page, {kHitsLeft, labelTop, kHitsWidth, 17}, "");

    const std::string tipp = n("Tipp", index + 1);
    row.editButton =
        &b.button(tipp + "Edit", Kind::SpeedButton, page,
                  {kEditButtonLeft, top, kEditButtonWidth, kEditHeight}, "…", kEditButtonHint);
    row.editButton->bindEvent("OnClick", tipp + "EditClick");
    return row;
}

void buildCalculationPanel(TForm1& form, Builder& b) {
    TicketControls& t = form.ticket;
    Component* panel = form.Panel3;
    // The right part of the panel (x 380 and beyond) stays free for the
    // file, print and hand-over buttons.
    t.SpeedButton11 = &b.button("SpeedButton11", Kind::SpeedButton, panel, {6, 9, 24, 24}, "",
                                "Löschen aller Tipps");
    t.SpeedButton11->bindEvent("OnClick", "SpeedButton11Click");
    t.Edit80 = &b.edit("Edit80", panel, {38, 10, 30, 21});
    t.UpDown8 = &b.upDown("UpDown8", *t.Edit80, 1, MaxTipps, 6);
    t.BitBtn4 = &b.button("BitBtn4", Kind::BitBtn, panel, {92, 7, 124, 28}, "Tipps berechnen",
                          "Starten Sie hier die Berechnung der Tippreihen.");
    t.BitBtn4->bindEvent("OnClick", "Label28Click");
    t.SpeedButton13 =
        &b.button("SpeedButton13", Kind::SpeedButton, panel, {222, 9, 24, 24}, "",
                  "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren");
    t.SpeedButton13->bindEvent("OnClick", "SpeedButton13Click");
    t.Button6 = &b.button("Button6", Kind::Button, panel, {252, 7, 124, 28}, "Verteilung der Tipps",
                          "Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden");
    t.Button6->bindEvent("OnClick", "Button6Click");
}

}  // namespace

void buildTicketControls(TForm1& form, Builder& b) {
    buildHeader(form, b);
    for (int r = 0; r < MaxTipps; ++r)
        form.ticket.rows[static_cast<std::size_t>(r)] = buildRow(form, b, r);
    buildCalculationPanel(form, b);
}

bool isLocked(const TicketRow& row) {
    return row.lock->fontColor() == clRed;
}

void writeRow(const TicketRow& row, const std::array<int, ZahlenProReihe>& numbers, int powerball) {
    for (std::size_t k = 0; k < numbers.size(); ++k)
        row.numbers[k]->setText(std::to_string(numbers[k]));
    row.powerball->setText(std::to_string(powerball));
}

}  // namespace kugel
