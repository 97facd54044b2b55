#pragma once

#include <map>
#include <memory>

#include "qt/dialog_view.h"
#include "qt/main_view.h"

namespace kugel {

class Application;
class Component;
class Form;

// The whole desktop view: the main window and one modal window per dialog
// form, all built up front so their widgets follow the model from the start.
class ProgramView {
  public:
    explicit ProgramView(Application& app);
    ~ProgramView();

    MainView& mainWindow() const { return *main_; }
    // The view of any of the program's forms.
    FormView* viewOf(const Form& form) const;
    QWidget* widgetFor(const Component& c) const;
    QObject* objectFor(const Component& c) const;

    // Shows a dialog form modally and returns its modal result.
    DialogResult showModal(Form& form);

    // The program start: FormShow while the window is still hidden, then the
    // window appears and is activated for the first time. False when the
    // program ended during start-up.
    bool start();

  private:
    Application& app_;
    std::unique_ptr<MainView> main_;
    std::map<const Form*, std::unique_ptr<DialogView>> dialogs_;
};

}  // namespace kugel
