#include "output/print_position_dialog.h"

namespace kugel {

TForm8::TForm8(Platform& platform) : Form("Form8", platform) {
    setCaption("Positionierung des Scheindruckes");
    setBounds(200, 150, 420, 300);
    setFontHeight(13);
}

}  // namespace kugel
