#include "generation/settings_controls.h"

#include "shell/main_window.h"

namespace kugel {

void buildSettingsControls(TForm1&, Builder&) {}

}  // namespace kugel
