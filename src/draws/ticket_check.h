#pragma once

namespace kugel {

class TForm1;

// Checks all twelve rows of the ticket against the displayed draw (Zahl):
// sorts and sums each row, colours the hits, writes the hit labels and
// counts the rows by hit class in Statistik. Does nothing but clear
// Statistik while `sortieren` is false.
void Komplettcheck(TForm1& form);

}  // namespace kugel
