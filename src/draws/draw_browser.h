#pragma once

namespace kugel {

class TForm1;

// Steps the displayed draw one record back (never before the first) or
// forward (never beyond the last) and checks the ticket against it. Both
// move DateTimePicker1 to the draw's date and set aktDatum to the start of
// the statistics window.
void showPreviousDraw(TForm1& form);
void showNextDraw(TForm1& form);

void registerDrawBrowserHandlers(TForm1& form);

}  // namespace kugel
