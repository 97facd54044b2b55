#pragma once

#include <string>

#include "model/conversion.h"

namespace kugel {

class TForm1;

// The result class of one row against one draw: main hits and whether the
// Powerball was hit.
struct HitClass {
    int hits = 0;
    bool powerball = false;
};

// "4", "2 + PB": how a class is written on the ticket.
std::string hitClassText(HitClass c);

// Rows worth a cheer: four or more main hits, or two or more with the Powerball.
bool isHighlighted(HitClass c);

// Hits as the history filters count them: a Powerball hit adds one when the
// Powerball option is on.
int countedHits(HitClass c, bool powerballCounts);

// Compares one row (six main-number texts and the Powerball text) with the
// displayed draw `Zahl` and leaves the result in Gewinn, Treffer[1..6] and
// Zusatz. Each number of the row is compared with each main number of the
// draw, so the order does not matter and a number standing twice counts
// twice; the Powerball is only compared with the Powerball. A text that is
// not an integer throws ConversionError: a bad main number before any hit is
// counted, a bad Powerball after the main hits are in place.
void Zettelcheck(TForm1& form, const std::string& edit1T, const std::string& edit2T,
                 const std::string& edit3T, const std::string& edit4T, const std::string& edit5T,
                 const std::string& edit6T, const std::string& edit7T);

}  // namespace kugel
