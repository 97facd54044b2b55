#pragma once

#include <string>

namespace kugel {

class TForm1;

// "Tipp abgeben" (also Ctrl+G): writes the hand-over tip file for the coming
// week into "Tipps" below the program's directory, then hands it to the
// click-script tool.
void handOverTicket(TForm1& form);

// The hand-over tip file's full name for the end date shown on the main window.
std::string handOverTipFile(const TForm1& form);

void registerOnlineSubmissionHandlers(TForm1& form);

}  // namespace kugel
