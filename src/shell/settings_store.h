#pragma once

namespace kugel {

class TForm1;

// Restoring and saving the settings and the ticket. Start-up restores in two
// steps: everything up to the language, then (once the ticket check may run)
// the network settings and the statistics start date.
void restoreSettings(TForm1& form);
void restoreNetworkAndDateSettings(TForm1& form);
void saveSettings(TForm1& form);

}  // namespace kugel
