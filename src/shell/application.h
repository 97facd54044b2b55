#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/form.h"
#include "model/program_windows.h"

namespace kugel {

class TForm1;
class TForm3;
class TForm5;
class TForm6;
class TForm8;
class TForm9;
class TAbgabeForm;
class TQCSForm;
class TOddsForm;

// The program: the main window and its dialogs, created once in this order,
// and the one place where user actions enter the model. It catches what a
// handler throws and shows it, and it applies the main window's activation
// only outside running handlers.
class Application : public ProgramWindows {
  public:
    explicit Application(Platform& platform);
    ~Application() override;

    Platform& platform() const override { return platform_; }
    TForm1& form1() const { return *form1_; }
    TForm3& form3() const override { return *form3_; }
    TForm6& form6() const override { return *form6_; }
    TForm9& form9() const override { return *form9_; }
    TQCSForm& qcsForm() const override { return *qcsForm_; }
    TOddsForm& oddsForm() const override { return *oddsForm_; }
    // Every window in creation order: Form1, Form3, Form5, Form6, Form8, Form9,
    // AbgabeForm, QCSForm, then the windows added later: OddsForm.
    const std::vector<Form*>& forms() const override { return forms_; }
    Form* form(const std::string& name) const override;

    // The program start: FormShow, then the first activation.
    void start();
    // The main window closes: FormClose.
    void close();
    // The user closes the main window (its close button, "Schließen"). While
    // an operation runs, it is asked to stop and the window closes as soon
    // as the operation has ended, so nothing is saved half done.
    void requestClose() override;
    bool closed() const { return closed_; }

    // Runs whatever a user's action causes (typing into an edit runs its
    // change handler): an error it raises becomes a message box, and the
    // main window's activation waits until the outermost action is over.
    void userAction(const std::function<void()>& action);
    // Runs a handler as a user action; an error it raises becomes a message box.
    void invoke(Form& form, const std::string& handler, Component* sender);
    // Runs the handler bound to a control's event as a user action.
    void fireEvent(Component& control, const std::string& event);

    // The main window became active again (a dialog closed, the user came back).
    void activate();
    // Shows one of the program's dialogs modally; the main window is
    // activated again once the dialog has closed.
    DialogResult showModal(Form& dialog) override;

    // Shows an error text the way every failed operation does.
    void showError(const std::string& text);

    bool insideHandler() const { return depth_ > 0; }

  private:
    void applyPendingActivation();

    Platform& platform_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm8> form8_;
    std::unique_ptr<TForm9> form9_;
    std::unique_ptr<TAbgabeForm> abgabeForm_;
    std::unique_ptr<TQCSForm> qcsForm_;
    std::unique_ptr<TOddsForm> oddsForm_;
    std::vector<Form*> forms_;
    int depth_ = 0;
    bool activationPending_ = false;
    bool closePending_ = false;
    bool closed_ = false;
};

}  // namespace kugel
