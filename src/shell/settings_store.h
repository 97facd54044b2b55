#pragma once

namespace kugel {

class TForm1;

// Restoring and saving the settings and the ticket. Start-up restores in two
// steps: everything up to the language and the hidden values of earlier
// versions, then (once the ticket check may sort) the network settings and
// the statistics start date. A value of an unguarded group that cannot be
// read ends the start-up with a TextError (AddedText::SettingUnreadable).
// Saving never throws.
void restoreSettings(TForm1& form);
void restoreNetworkAndDateSettings(TForm1& form);
void saveSettings(TForm1& form);

}  // namespace kugel
