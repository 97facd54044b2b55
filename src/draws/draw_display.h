#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/game.h"
#include "platform/platform.h"

namespace kugel {

class TForm1;

// Shows the draw of the date in DateTimePicker1 (the first draw on or after
// it, else the newest) and checks the ticket against it.
void showDrawOfPickedDate(TForm1& form);

// Where the display lands for a day in a non-empty history: the first record
// dated on or after the day, else the last record. That record is shown
// unless the history ends in a record dated on day 0 or before (damaged)
// and no record reached the day.
struct DrawLocation {
    std::size_t index = 0;
    bool shown = false;
};
DrawLocation locateDraw(const std::vector<TZiehung>& records, double day);

// A draw's text without its Powerball: the date as "DDD dd.mm.yy", the gap,
// then two blanks before each main number.
std::string drawText(const TZiehung& z, const LocaleInfo& locale, const std::string& gap);

// Makes a record the displayed draw: Datum1, Zahl, Label29 with the given
// gap after the date and marker before the Powerball, and Label13.
void showDraw(TForm1& form, const TZiehung& z, const std::string& gap, const std::string& marker);

void registerDrawDisplayHandlers(TForm1& form);

}  // namespace kugel
