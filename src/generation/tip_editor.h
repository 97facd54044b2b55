#pragma once

namespace kugel {

class TForm1;

// Edits row `row` (0-based) of the ticket in the number-choice list: its
// numbers come checked, the user picks by hand or by the random pick, and
// on OK the row becomes the checked numbers in ascending order.
void TippEdit(TForm1& form, int row);

// The lucky number: asks for an integer and makes it the seed of the
// program's random generator; anything else seeds from the clock.
void askLuckyNumber(TForm1& form);

void registerTipEditorHandlers(TForm1& form);

}  // namespace kugel
