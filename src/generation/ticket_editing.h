#pragma once

#include <string>

namespace kugel {

class Component;
class TForm1;

// The decimal form of a typed number when it lies in 1..max, else empty:
// "07" becomes "7", "0", "41" or "x" become "".
std::string normalisedNumber(const std::string& text, int max);

// Normalisation while typing: main numbers 1..40 ("Edit1Change", run by
// every main-number field), Powerballs 1..20 ("Edit6Change").
void normaliseMainNumber(TForm1& form, Component* sender);
void normalisePowerball(TForm1& form, Component* sender);
// Leaving a number field checks the ticket while sorting is allowed
// ("Edit1Exit", run by every number field).
void checkTicketOnLeave(TForm1& form);
// Toggles the locked flag of the row whose label was clicked ("Label30Click",
// run by every row's lock label).
void toggleRowLock(TForm1& form, Component* sender);
// Empties the unlocked rows: numbers, colours, sums and hit texts
// ("SpeedButton11Click").
void clearUnlockedRows(TForm1& form);
// The Powerball options: the clicked one is checked, the other two not.
void RadioButtonClick(TForm1& form, int which);
// The run budget follows the up-down, in thousands of candidate rows.
void UpDown7Changing(TForm1& form);

// Coupled limits around mouse use of the arrows.
void UpDown15MouseDown(TForm1& form);  // also on mouse up
void UpDown16MouseDown(TForm1& form);  // also on mouse up
void UpDown3MouseDown(TForm1& form);
void UpDown9MouseUp(TForm1& form);

void registerTicketHandlers(TForm1& form);

}  // namespace kugel
