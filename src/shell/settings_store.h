#pragma once

#include <stdexcept>

namespace kugel {

class TForm1;

// A value of an unguarded group that cannot be read: it ends the start-up.
class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Restoring and saving the settings and the ticket. Start-up restores in two
// steps: everything up to the language and the hidden values of earlier
// versions, then (once the ticket check may sort) the network settings and
// the statistics start date. Saving never throws.
void restoreSettings(TForm1& form);
void restoreNetworkAndDateSettings(TForm1& form);
void saveSettings(TForm1& form);

}  // namespace kugel
