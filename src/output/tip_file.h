#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/game.h"

namespace kugel {

class TForm1;

// A tip file holds one line per saved row: the texts of the six main number
// edits and of the Powerball edit, separated by commas.
inline constexpr int kTipFieldCount = ZahlenProReihe + 1;
using TipFields = std::array<std::string, kTipFieldCount>;

// The name the save proposes for a chosen date: "yyyymmdd.qlt" of the day
// the ticket is for (Wednesday plus 3 days, any other day plus 4).
std::string proposedTipFileName(double chosenDate);

// Splits one line into the six main number fields and the Powerball field:
// each main field is the text before the next comma (empty when no comma is
// left), and whatever remains after the sixth, commas included, is the
// Powerball field.
TipFields splitTipLine(const std::string& line);

// The first rows' lines of a tip file. Throws FileError when the file
// cannot be opened or read, and TextError when it is far too large to be a
// tip file, holds bytes no text holds, or has text but not one line that
// reads as a row.
std::vector<std::string> readTipFileLines(const std::string& path);
// Every line of a tip file, also those after the ticket's last row; throws
// as readTipFileLines does.
std::vector<std::string> readAllTipFileLines(const std::string& path);

// Saves the ticket to a tip file the user chooses.
void saveTicketToTipFile(TForm1& form);
// Loads a tip file the user chooses into the ticket, then shows the draw of
// the chosen date and checks the loaded ticket against it.
void loadTicketFromTipFile(TForm1& form);

void registerTipFileHandlers(TForm1& form);

}  // namespace kugel
