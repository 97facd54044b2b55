#pragma once

#include <optional>
#include <string>

#include "model/game.h"
#include "update/vendor_site.h"

namespace kugel {

class TForm1;

inline constexpr const char* kResultsPath = "/zahlen/kugelAU.asp";

// Brings the history up to date from the results server, week by week, from
// the week after the newest stored draw up to today; ends with the newest
// draw displayed and the ticket checked. One download runs at a time.
void KugelmeisterClick(TForm1& form);
// Menu "Ziehungsdaten laden".
void Aktualisieren1Click(TForm1& form);
// Deletes the history after asking and downloads it again from the first draw.
void BitBtn2Click(TForm1& form);
// Stops a running download before its next request.
void SpeedButton8Click(TForm1& form);

// One answer line "n1,n2,n3,n4,n5,n6,pb,extra" as a draw of the given date,
// main numbers sorted; nothing when the line is not eight whole numbers or
// not a valid draw (six different numbers 1..40, Powerball 1..20).
std::optional<TZiehung> parseResultLine(const std::string& line, double date);

void registerResultsDownloadHandlers(TForm1& form);

}  // namespace kugel
