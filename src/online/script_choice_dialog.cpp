#include "online/script_choice_dialog.h"

namespace kugel {

TQCSForm::TQCSForm(Platform& platform) : Form("QCSForm", platform) {
    setCaption("Script für Zahlenübergabe auswählen!");
    setBounds(200, 150, 420, 300);
    setFontHeight(13);
}

}  // namespace kugel
