#pragma once

namespace kugel {

class TForm1;

// Edits row `row` (0-based) of the ticket in the number-choice list: its
// numbers come checked, the user picks by hand or by the random pick, and
// on OK the row becomes the checked numbers in ascending order.
void TippEdit(TForm1& form, int row);

// The edit buttons of the rows, Tipp1Edit..Tipp12Edit.
void TippEditClick(TForm1& form, int rowNumber);

// The lucky number: asks for an integer and makes it the seed of the
// program's random generator; anything else seeds from the clock.
void SpeedButton13Click(TForm1& form);

void registerTipEditorHandlers(TForm1& form);

}  // namespace kugel
