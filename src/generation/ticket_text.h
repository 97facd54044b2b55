#pragma once

#include <string>
#include <vector>

namespace kugel {

struct TicketControls;
struct TicketRow;

// A row as tip files and cart addresses carry it: the texts of the six
// number edits and of the Powerball edit exactly as they stand, joined by
// commas ("8,16,19,25,26,29,5").
std::string rowText(const TicketRow& row);

// The text of a row whose seven fields are all empty.
inline constexpr const char* kEmptyRowText = ",,,,,,";

// A row is written to a tip file when its first number field is filled.
bool isSavedInTipFile(const TicketRow& row);

// The lines of a tip file: one per saved row, in row order.
std::vector<std::string> tipFileLines(const TicketControls& ticket);

}  // namespace kugel
