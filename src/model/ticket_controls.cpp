#include "model/ticket_controls.h"

#include <string>

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

ControlRow label(std::string name, Bounds b, std::string caption, std::string hint = {}) {
    return {.kind = Kind::Label,
            .name = std::move(name),
            .parent = "TabSheet1",
            .bounds = b,
            .caption = std::move(caption),
            .hint = std::move(hint)};
}

// The column headings above the rows.
ControlRows headerRows() {
    return {
        label("TippKopfZahlen", {kNumbersLeft, kHeaderTop, 5 * kNumberPitch + kNumberWidth, 17},
              "Zahlen"),
        label("TippKopfPowerball", {kPowerballLeft, kHeaderTop, kNumberWidth + 8, 17}, "PB"),
        label("TippKopfSumme", {kSumLeft, kHeaderTop, kSumWidth, 17}, "Summe"),
        label("TippKopfTreffer", {kHitsLeft, kHeaderTop, kHitsWidth, 17}, "Treffer"),
    };
}

// Row `index` (from 0) at its place in the grid; each row is stored as its
// edits' texts.
ControlRows rowRows(int index) {
    const RowNames& names = kRowNames[static_cast<std::size_t>(index)];
    const int top = kFirstRowTop + index * kRowPitch;
    const int labelTop = top + 3;
    ControlRows rows;
    ControlRow lock = label(n("Label", names.lockLabel), {kLockLeft, labelTop, kLockWidth, 17},
                            std::to_string(index + 1) + ". Tipp", kLockHint);
    lock.events = {{"OnClick", "Label30Click"}};
    rows.push_back(std::move(lock));
    for (int k = 0; k < ZahlenProReihe; ++k)
        rows.push_back({.kind = Kind::Edit,
                        .name = n("Edit", names.firstEdit + k),
                        .parent = "TabSheet1",
                        .bounds = {kNumbersLeft + k * kNumberPitch, top, kNumberWidth, kEditHeight},
                        .tag = kNoTranslationTag,
                        .events = {{"OnChange", "Edit1Change"}, {"OnExit", "Edit1Exit"}},
                        .stored = Stored::Yes});
    rows.push_back({.kind = Kind::Edit,
                    .name = n("Edit", names.powerballEdit),
                    .parent = "TabSheet1",
                    .bounds = {kPowerballLeft, top, kNumberWidth, kEditHeight},
                    .events = {{"OnChange", "Edit6Change"}, {"OnExit", "Edit1Exit"}},
                    .stored = Stored::Yes});
    rows.push_back(label(n("Label", names.sumLabel), {kSumLeft, labelTop, kSumWidth, 17}, ""));
    rows.push_back(label(n("Label", names.hitLabel), {kHitsLeft, labelTop, kHitsWidth, 17}, ""));
    const std::string tipp = n("Tipp", index + 1);
    rows.push_back({.kind = Kind::SpeedButton,
                    .name = tipp + "Edit",
                    .parent = "TabSheet1",
                    .bounds = {kEditButtonLeft, top, kEditButtonWidth, kEditHeight},
                    .caption = "…",
                    .hint = kEditButtonHint,
                    .events = {{"OnClick", tipp + "EditClick"}}});
    return rows;
}

// The calculation panel. The right part of Panel3 (x 380 and beyond) stays
// free for the file, print and hand-over buttons.
ControlRows calculationPanelRows() {
    return {
        {.kind = Kind::SpeedButton,
         .name = "SpeedButton11",
         .parent = "Panel3",
         .bounds = {6, 9, 24, 24},
         .hint = "Löschen aller Tipps",
         .events = {{"OnClick", "SpeedButton11Click"}}},
        {.kind = Kind::Edit,
         .name = "Edit80",
         .parent = "Panel3",
         .bounds = {38, 10, 30, 21},
         .stored = Stored::WithUpDown},
        {.kind = Kind::UpDown,
         .name = "UpDown8",
         .associate = "Edit80",
         .min = 1,
         .max = MaxTipps,
         .position = 6,
         .stored = Stored::Yes},
        {.kind = Kind::BitBtn,
         .name = "BitBtn4",
         .parent = "Panel3",
         .bounds = {92, 7, 124, 28},
         .caption = "Tipps berechnen",
         .hint = "Starten Sie hier die Berechnung der Tippreihen.",
         .events = {{"OnClick", "Label28Click"}}},
        {.kind = Kind::SpeedButton,
         .name = "SpeedButton13",
         .parent = "Panel3",
         .bounds = {222, 9, 24, 24},
         .hint = "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren",
         .events = {{"OnClick", "SpeedButton13Click"}}},
        {.kind = Kind::Button,
         .name = "Button6",
         .parent = "Panel3",
         .bounds = {252, 7, 124, 28},
         .caption = "Verteilung der Tipps",
         .hint = "Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden",
         .events = {{"OnClick", "Button6Click"}}},
    };
}

}  // namespace

ControlRows ticketRows() {
    ControlRows rows = headerRows();
    for (int r = 0; r < MaxTipps; ++r) rows = concatenate({rows, rowRows(r)});
    return concatenate({rows, calculationPanelRows()});
}

void bindTicketControls(TForm1& form) {
    TicketControls& t = form.ticket;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const RowNames& names = kRowNames[r];
        TicketRow& row = t.rows[r];
        bindMember(form, n("Label", names.lockLabel), row.lock);
        for (std::size_t k = 0; k < row.numbers.size(); ++k)
            bindMember(form, n("Edit", names.firstEdit + static_cast<int>(k)), row.numbers[k]);
        bindMember(form, n("Edit", names.powerballEdit), row.powerball);
        bindMember(form, n("Label", names.sumLabel), row.sum);
        bindMember(form, n("Label", names.hitLabel), row.hits);
        bindMember(form, n("Tipp", static_cast<int>(r) + 1) + "Edit", row.editButton);
    }
    bindMember(form, "SpeedButton11", t.SpeedButton11);
    bindMember(form, "Edit80", t.Edit80);
    bindMember(form, "UpDown8", t.UpDown8);
    bindMember(form, "BitBtn4", t.BitBtn4);
    bindMember(form, "SpeedButton13", t.SpeedButton13);
    bindMember(form, "Button6", t.Button6);
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
