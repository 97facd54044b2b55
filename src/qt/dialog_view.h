#pragma once

#include <QDialog>
#include <memory>

#include "platform/dialog_result.h"
#include "qt/form_view.h"

class QPushButton;

namespace kugel {

class Application;

// One of the program's dialog forms as a modal window. A button with a modal
// result closes it with that result; closing the window counts as Cancel.
class DialogView : public QDialog {
  public:
    DialogView(Application& app, Form& form, QWidget* parent);
    ~DialogView() override;

    FormView& view() const { return *view_; }
    // Shows the dialog modally; returns the form's modal result.
    DialogResult showModal();

  protected:
    void reject() override;

  private:
    void checkModalResult();

    Form& form_;
    std::unique_ptr<FormView> view_;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace kugel
