#pragma once

#include <array>

#include "controls/control_table.h"
#include "controls/form.h"
#include "model/game.h"

namespace kugel {

// The dialog for entering one draw by hand.
class TForm3 : public Form {
  public:
    explicit TForm3(Platform& platform);

    // Shows a draw in the dialog's controls.
    void load(const TZiehung& z);
    // The draw the dialog holds: its date as a whole day, the up-down
    // positions, main numbers sorted ascending.
    TZiehung entered() const;

    DateTimePicker* DateTimePicker1 = nullptr;
    std::array<Edit*, 8> edits{};      // Edit1..Edit8
    std::array<UpDown*, 8> upDowns{};  // UpDown1..UpDown8
    Label* Label1 = nullptr;           // "PB:"
    Label* Label2 = nullptr;           // "PP:", hidden with Edit8
    Button* BitBtn2 = nullptr;         // OK
    Button* BitBtn1 = nullptr;         // Abort
};

}  // namespace kugel
