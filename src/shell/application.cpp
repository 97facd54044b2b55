#include "shell/application.h"

#include <exception>

#include "analysis/chance_dialog.h"
#include "analysis/odds_dialog.h"
#include "analysis/prize_dialog.h"
#include "generation/number_choice_dialog.h"
#include "model/added_texts.h"
#include "model/main_window.h"
#include "model/manual_entry_dialog.h"
#include "online/script_choice_dialog.h"
#include "online/submission_dialog.h"
#include "output/print_position_dialog.h"
#include "output/print_settings_dialog.h"
#include "platform/platform.h"
#include "shell/handler_registry.h"
#include "shell/startup.h"

namespace kugel {

// Every window is created here, once, in this order, and each builds its
// controls in the order they were designed. The language files walk the
// windows and their components in exactly this creation order, so a new
// window goes after the last one below and a new control after the
// designed controls of its window (see CONTRIBUTING.md).
Application::Application(Platform& platform) : platform_(platform) {
    form1_ = std::make_unique<TForm1>(platform, *this);
    registerMainWindowHandlers(*form1_);
    form3_ = std::make_unique<TForm3>(platform);
    form5_ = std::make_unique<TForm5>(platform);
    form6_ = std::make_unique<TForm6>(platform);
    form8_ = std::make_unique<TForm8>(platform);
    form9_ = std::make_unique<TForm9>(platform);
    abgabeForm_ = std::make_unique<TAbgabeForm>(platform);
    qcsForm_ = std::make_unique<TQCSForm>(platform);
    oddsForm_ = std::make_unique<TOddsForm>(platform);
    chanceForm_ = std::make_unique<TChanceForm>(platform);
    form6_->setRandom(&form1_->random);
    // The main window appears during its start-up, when FormShow shows it.
    form1_->setVisible(false);
    forms_ = {form1_.get(), form3_.get(),      form5_.get(),   form6_.get(),    form8_.get(),
              form9_.get(), abgabeForm_.get(), qcsForm_.get(), oddsForm_.get(), chanceForm_.get()};
}

Application::~Application() = default;

Form* Application::form(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

void Application::start() {
    invoke(*form1_, "FormShow", form1_.get());
    activate();
}

void Application::close() {
    if (closed_) return;
    invoke(*form1_, "FormClose", form1_.get());
    closed_ = true;
    form1_->setVisible(false);  // the view ends the program when the main window goes
}

void Application::requestClose() {
    if (closed_) return;
    if (depth_ == 0) {
        close();
        return;
    }
    if (closePending_) return;
    closePending_ = true;
    stopRunningOperations(*form1_);
}

void Application::showError(const std::string& text) {
    platform_.messageBox(kApplicationTitle, text, MessageButtons::Ok);
}

void Application::userAction(const std::function<void()>& action) {
    ++depth_;
    try {
        try {
            action();
        } catch (const std::exception& e) {
            showError(errorText(e, form1_->addedTexts));
        }
    } catch (...) {
        --depth_;  // showing the error failed too; let the caller see that
        throw;
    }
    --depth_;
    if (depth_ > 0) return;
    if (closePending_) {
        closePending_ = false;
        close();
        return;
    }
    applyPendingActivation();
}

void Application::invoke(Form& form, const std::string& handler, Component* sender) {
    userAction([&] { form.run(handler, sender); });
}

void Application::fireEvent(Component& control, const std::string& event) {
    if (const std::string* handler = control.handlerFor(event))
        invoke(control.owner(), *handler, &control);
}

void Application::activate() {
    activationPending_ = true;
    if (depth_ == 0) applyPendingActivation();
}

void Application::applyPendingActivation() {
    if (!activationPending_ || closed_) return;
    activationPending_ = false;
    invoke(*form1_, "FormActivate", form1_.get());
}

DialogResult Application::showModal(Form& dialog) {
    dialog.modalResult = DialogResult::None;
    // The main window's own show and close are the program's start and end.
    const bool isDialog = &dialog != form1_.get();
    if (isDialog) fireEvent(dialog, "OnShow");
    DialogResult result = DialogResult::None;
    try {
        result = platform_.showModal(dialog);
    } catch (...) {
        if (isDialog) fireEvent(dialog, "OnClose");  // closed on every way out
        throw;
    }
    dialog.modalResult = result;
    if (isDialog) fireEvent(dialog, "OnClose");
    if (isDialog) activate();
    return result;
}

void Application::showWindow(Form& window) {
    window.modalResult = DialogResult::None;
    platform_.showWindow(window);
}

}  // namespace kugel
