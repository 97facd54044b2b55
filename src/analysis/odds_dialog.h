#pragma once

#include <array>

#include "controls/form.h"

namespace kugel {

// "Gewinnchancen": the real prize divisions of the game with their exact
// chances for one row, and what a row returns on average for the quotas the
// user enters, beside the price the user pays for it.
class TForm1;

class TOddsForm : public Form {
  public:
    explicit TOddsForm(Platform& platform);

    // Recomputes the expected return from the quota and price edits; a field
    // that holds no number is named in the result line instead.
    void recalculate();

    std::array<Edit*, 8> quotaEdits{};
    Edit* PriceEdit = nullptr;
    Label* ReturnValue = nullptr;
    Label* ShareValue = nullptr;
    Button* BitBtn1 = nullptr;
};

// The main menu's "Gewinnchancen": shows the dialog.
void registerOddsHandlers(TForm1& form);

}  // namespace kugel
