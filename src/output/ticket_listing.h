#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/game.h"

namespace kugel {

class TForm1;

// The ticket as it is put on paper. The listing file and the printed page
// are both made from it, so the two never disagree.
struct TicketListing {
    struct Row {
        int number = 0;  // 1..12, the row's place on the ticket
        std::array<int, ZahlenProReihe> numbers{};
        int powerball = 0;
    };
    double date = 0;        // the day the ticket is for
    std::string heading;    // message 28, a blank, the date as the locale writes it
    std::string rowTitle;   // message 28, repeated on every row of the listing file
    std::vector<Row> rows;  // the filled rows in ticket order
};

// Takes the filled rows (first edit not empty) off the ticket. Throws the
// conversion error for a filled row with an empty or bad field.
TicketListing ticketListing(const TForm1& form);

// The lines of the listing file: heading, a rule of tildes, an empty line,
// then one line per row.
std::vector<std::string> listingLines(const TicketListing& listing);

// The Powerball's caption on every row of the listing and the printed page.
inline constexpr const char* kPowerBallCaption = "PowerBall";

// The name of the listing in the program's directory.
inline constexpr const char* kListingFile = "Tipp.txt";

// Writes the listing to Tipp.txt in the program's directory, replacing the
// last one, and opens it with the desktop's program for text files.
void writeAndOpenListing(TForm1& form);

void registerTicketListingHandlers(TForm1& form);

}  // namespace kugel
