#pragma once

#include <string>
#include <vector>

#include "platform/dialog_result.h"

namespace kugel {

class Form;
class Platform;
class TForm3;
class TForm6;
class TForm9;
class TQCSForm;
class TOddsForm;

// The short product name the window system shows and message boxes carry.
inline constexpr const char* kApplicationTitle = "Kugelmeister";

// What the windows' handlers need of the program that owns them: its other
// windows and modal showing. The shell implements it; the model and the
// subsystems see only this, so they never depend on the window's life.
class ProgramWindows {
  public:
    virtual ~ProgramWindows() = default;

    virtual Platform& platform() const = 0;
    // Every window in creation order (the main window first), and one by
    // its name: the order the language files and the settings store walk.
    virtual const std::vector<Form*>& forms() const = 0;
    virtual Form* form(const std::string& name) const = 0;
    virtual TForm3& form3() const = 0;
    virtual TForm6& form6() const = 0;
    virtual TForm9& form9() const = 0;
    virtual TQCSForm& qcsForm() const = 0;
    virtual TOddsForm& oddsForm() const = 0;
    // Shows one of the program's dialogs modally and returns how it was
    // closed; the main window is activated again afterwards.
    virtual DialogResult showModal(Form& dialog) = 0;
    // The user asked to close the main window.
    virtual void requestClose() = 0;
};

}  // namespace kugel
