#include "output/print_settings_dialog.h"

namespace kugel {

TForm5::TForm5(Platform& platform) : Form("Form5", platform) {
    setCaption("Druckeeinstellungen für den Lottoschein");
    setBounds(200, 150, 420, 300);
    setFontHeight(13);
}

}  // namespace kugel
