#include "qt/dialog_view.h"

#include <QPushButton>

#include "controls/component.h"
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
    // Enter presses the OK button (modal result 1) wherever the focus is
    // in the dialog, except on another button.
    for (const auto& owned : form.components()) {
        if (owned->kind() != Kind::Button && owned->kind() != Kind::BitBtn) continue;
        const DialogResult result = static_cast<Button&>(*owned).modalResult;
        auto* button = qobject_cast<QPushButton*>(view_->widgetFor(*owned));
        if (!button) continue;
        if (result == DialogResult::Ok) {
            button->setAutoDefault(true);
            button->setDefault(true);
        } else if (!cancelButton_ &&
                   (result == DialogResult::Cancel || result == DialogResult::Abort)) {
            cancelButton_ = button;
        }
    }
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
    // Esc and the window's close button press the dialog's cancel button,
    // so its result and handler are those of a click; without one the
    // dialog ends with Cancel (2).
    if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled() && isVisible()) {
        cancelButton_->click();
        if (!isVisible()) return;
    }
    form_.modalResult = DialogResult::Cancel;
    done(static_cast<int>(form_.modalResult));
}

}  // namespace kugel
