#include "shell/settings_store.h"

#include "model/main_window.h"

namespace kugel {

// The settings store is not wired up yet: every control keeps its designed
// value, exactly as on a first start with an empty store.
void restoreSettings(TForm1&) {}
void restoreNetworkAndDateSettings(TForm1&) {}
void saveSettings(TForm1&) {}

}  // namespace kugel
