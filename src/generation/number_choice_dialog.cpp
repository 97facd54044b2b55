#include "generation/number_choice_dialog.h"

namespace kugel {

TForm6::TForm6(Platform& platform) : Form("Form6", platform) {
    setCaption("Welche Zahlen für die Berechnung");
    setBounds(200, 150, 460, 360);
    setFontHeight(13);
}

}  // namespace kugel
