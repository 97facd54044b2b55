#include "online/submission_dialog.h"

namespace kugel {

TAbgabeForm::TAbgabeForm(Platform& platform) : Form("AbgabeForm", platform) {
    setCaption("Tipp Online abgaben");
    setBounds(200, 150, 420, 300);
    setFontHeight(13);
}

}  // namespace kugel
