#include "qt/program_view.h"

#include "model/main_window.h"
#include "shell/application.h"

namespace kugel {

ProgramView::ProgramView(Application& app) : app_(app) {
    main_ = std::make_unique<MainView>(app, app.form1());
    for (Form* form : app.forms()) {
        if (form == &app.form1()) continue;
        dialogs_[form] = std::make_unique<DialogView>(app, *form, main_.get());
    }
}

ProgramView::~ProgramView() {
    // The dialogs are children of the main window; release them first.
    dialogs_.clear();
}

FormView* ProgramView::viewOf(const Form& form) const {
    if (&form == &app_.form1()) return &main_->view();
    auto it = dialogs_.find(&form);
    return it == dialogs_.end() ? nullptr : &it->second->view();
}

QWidget* ProgramView::widgetFor(const Component& c) const {
    const FormView* view = viewOf(c.owner());
    return view ? view->widgetFor(c) : nullptr;
}

QObject* ProgramView::objectFor(const Component& c) const {
    const FormView* view = viewOf(c.owner());
    return view ? view->objectFor(c) : nullptr;
}

DialogResult ProgramView::showModal(Form& form) {
    auto it = dialogs_.find(&form);
    if (it == dialogs_.end()) return DialogResult::None;
    return it->second->showModal();
}

bool ProgramView::start() {
    TForm1& form = app_.form1();
    app_.invoke(form, "FormShow", &form);
    if (app_.closed()) return false;
    main_->show();
    app_.activate();
    return !app_.closed();
}

}  // namespace kugel
