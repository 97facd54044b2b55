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
// The Powerball options: the clicked one is checked, the other two not
// ("RadioButton1Click".."RadioButton3Click").
void choosePowerballOption(TForm1& form, int which);
// The run budget follows the up-down, in thousands of candidate rows
// ("UpDown7Changing").
void followRunBudget(TForm1& form);

// Coupled limits around mouse use of the arrows: the minimum even count
// leaves room for the minimum odd count and back ("UpDown15MouseDown",
// "UpDown16MouseDown", also on mouse up), the minimum overlap stays at or
// below the maximum ("UpDown3MouseDown", "UpDown9MouseUp").
void limitMinimumEven(TForm1& form);
void limitMinimumOdd(TForm1& form);
void coupleOverlapLimits(TForm1& form);
void keepMaximumOverlapAboveMinimum(TForm1& form);

void registerTicketHandlers(TForm1& form);

}  // namespace kugel
