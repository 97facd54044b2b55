#include "checking/prize_dialog.h"

namespace kugel {

TForm9::TForm9(Platform& platform) : Form("Form9", platform) {
    setCaption("Auswertung und Gewinnberechnung");
    setBounds(200, 150, 460, 360);
    setFontHeight(13);
}

}  // namespace kugel
