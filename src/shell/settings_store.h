#pragma once

#include <string>

namespace kugel {

class TForm1;

// Restoring and saving the settings and the ticket. Start-up restores in two
// steps: everything up to the language and the hidden values of earlier
// versions, then (once the ticket check may sort) the network settings and
// the statistics start date. A value of an unguarded group that cannot be
// read ends the start-up with a TextError (AddedText::SettingUnreadable).
// Either way the values not restored are noted, and the store is copied
// beside itself once. Saving never throws and leaves every value that was
// not restored as stored, unless the player changed its setting.
void restoreSettings(TForm1& form);
void restoreNetworkAndDateSettings(TForm1& form);
// At the end of the start-up: notes what the settings that were not restored
// hold now, and returns the message that names the unreadable values (empty
// when every value could be read).
std::string finishSettingsRestore(TForm1& form);
// Saves the settings; returns why they could not all be written, in the
// language in use (empty when they were).
std::string saveSettings(TForm1& form);

}  // namespace kugel
