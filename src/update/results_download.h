#pragma once

#include <array>
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
// Registered as "KugelmeisterClick" (SpeedButton10, BitBtn1) and
// "Aktualisieren1Click" (menu "Ziehungsdaten laden").
void downloadNewDraws(TForm1& form);
// Who started the update: a failure to reach the server is shown in a
// message box only to a user who asked for the update.
enum class UpdateStart { ByUser, AtStartup };
// How an update ended.
enum class UpdateEnd {
    UpToDate,     // every week up to today was answered
    Stopped,      // by the user
    Interrupted,  // no answer, or one that says to ask again later
    Malformed,    // an answer that is no list of draws
    Damaged,      // the newest stored draw has no usable date: nothing was asked
    Busy,         // another update was running: nothing was asked
};
UpdateEnd downloadNewDraws(TForm1& form, UpdateStart start);
// Downloads the whole history again from the first draw after asking
// ("BitBtn2Click"). The new history is built beside the old one and takes its
// place only when complete; after an error or a stop the old one is kept.
void rebuildHistory(TForm1& form);
// Removes what a rebuild that was ended midway (a killed program) left
// beside the history.
void removeInterruptedRebuild(const TForm1& form);
// Stops a running download before its next request ("SpeedButton8Click").
void stopDownload(TForm1& form);

// One answer line "n1,n2,n3,n4,n5,n6,pb,extra" as a draw of the given date,
// main numbers sorted; nothing when the line is not eight whole numbers or
// not a valid draw (six different numbers 1..40, Powerball 1..20).
std::optional<TZiehung> parseResultLine(const std::string& line, double date);

// The eight values of a result (n1..n6, Powerball, extra) as a draw of the
// given date, main numbers sorted and the extra value kept in its byte;
// nothing when they are no valid draw, with the reason in `problem` when
// one is given. Every way into the history judges draws here.
std::optional<TZiehung> drawFromValues(const std::array<long long, 8>& values, double date,
                                       std::string* problem = nullptr);

void registerResultsDownloadHandlers(TForm1& form);

}  // namespace kugel
