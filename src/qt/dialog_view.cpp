#include "qt/dialog_view.h"

#include "controls/property_names.h"
#include "platform/platform.h"

namespace kugel {

DialogView::DialogView(Application& app, Form& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName(QString::fromStdString(form.name()));
    setWindowTitle(QString::fromStdString(form.caption()));
    view_ = std::make_unique<FormView>(app, form, this);
    view_->afterUserAction = [this] { checkModalResult(); };
    view_->formChanged = [this](std::string_view property) {
        if (property == prop::Caption) setWindowTitle(QString::fromStdString(form_.caption()));
        if (property == prop::Bounds) setFixedSize(form_.bounds().width, form_.bounds().height);
    };
    const Bounds& b = form.bounds();
    setFixedSize(b.width, b.height);
    move(b.left, b.top);
}

DialogView::~DialogView() = default;

DialogResult DialogView::showModal() {
    form_.modalResult = DialogResult::None;
    // What closed the dialog decides, even if a handler still running in it
    // sets a result afterwards.
    const auto result = static_cast<DialogResult>(exec());
    form_.modalResult = result;
    return result;
}

void DialogView::checkModalResult() {
    if (isVisible() && form_.modalResult != DialogResult::None)
        done(static_cast<int>(form_.modalResult));
}

void DialogView::reject() {
    // Esc and the window's close button end the dialog with Cancel.
    form_.modalResult = DialogResult::Cancel;
    done(static_cast<int>(form_.modalResult));
}

}  // namespace kugel
