#pragma once

#include <array>

#include "controls/control_table.h"
#include "model/game.h"

namespace kugel {

class Button;
class Edit;
class Label;
class TForm1;
class UpDown;

// The controls of one tip row. The edits' texts are the row: a number is its
// decimal text, an empty edit holds no number.
struct TicketRow {
    Label* lock = nullptr;  // "N. Tipp"; red font means the row is locked
    std::array<Edit*, ZahlenProReihe> numbers{};
    Edit* powerball = nullptr;
    Label* sum = nullptr;
    Label* hits = nullptr;
    Button* editButton = nullptr;
};

// The ticket on the overview page and the calculation panel below it. This
// is the only place that knows which control belongs to which row; every
// reader and writer of the ticket goes through `rows`.
struct TicketControls {
    std::array<TicketRow, MaxTipps> rows{};  // rows[0] is the first row

    // Panel3
    Button* SpeedButton11 = nullptr;  // clear the unlocked rows
    Edit* Edit80 = nullptr;
    UpDown* UpDown8 = nullptr;        // number of rows to calculate
    Button* BitBtn4 = nullptr;        // start / stop the calculation
    Button* SpeedButton13 = nullptr;  // lucky number
    Button* Button6 = nullptr;        // tip distribution chart
};

// The column headings, the ticket rows and the calculation panel's
// controls, in creation order.
ControlRows ticketRows();
void bindTicketControls(TForm1& form);

// The locked flag is the colour of the row label.
bool isLocked(const TicketRow& row);

// Writes a row as decimal texts; 0 leaves a position empty through the
// edits' normalisation. The sum label is the writer's business.
void writeRow(const TicketRow& row, const std::array<int, ZahlenProReihe>& numbers, int powerball);

}  // namespace kugel
