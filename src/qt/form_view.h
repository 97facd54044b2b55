#pragma once

#include <QFont>
#include <QKeySequence>
#include <QObject>
#include <functional>
#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "controls/form.h"

class QAbstractButton;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QMainWindow;
class QWidget;

class QAction;
class QFocusEvent;

namespace kugel {

class Application;

// The widgets of one form: one per model control, created from the form's
// component list, named after the control and kept in step both ways. The
// model's changes arrive as observer calls; the user's actions go back
// through the Application, which catches what a handler throws.
class FormView : public QObject, public FormObserver {
  public:
    // `host` stands for the form's client area. With a main window, the main
    // menu and the status bar go to the window's own menu bar and status bar.
    FormView(Application& app, Form& form, QWidget* host, QMainWindow* window = nullptr);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    Form& form() const { return form_; }
    QWidget* host() const { return host_; }

    // The widget of a visual control (nothing for menu items, timers, file dialogs).
    QWidget* widgetFor(const Component& c) const;
    // The Qt object of any control: widget, QAction of a menu item, QTimer of a timer.
    QObject* objectFor(const Component& c) const;

    // A control that fills its parent whatever its bounds say.
    void setFill(Component* c);
    // Places every widget at its model bounds again.
    void relayout();

    // Runs after each user action on this form (dialogs watch the modal result).
    std::function<void()> afterUserAction;
    // Changes of the form's own properties (caption, size, visibility).
    std::function<void(std::string_view)> formChanged;

    void propertyChanged(Component& component, std::string_view property) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void syncComponents();
    void create(Component& c);
    QObject* createObject(Component& c, QWidget* parent);
    // The widgets of the kinds of controls the user works, each wired to
    // its control.
    QObject* createMenuItem(Component& c);
    QWidget* createPageControl(Component& c, QWidget* parent);
    QWidget* createEdit(Component& c, QWidget* parent);
    QWidget* createComboBox(Component& c, QWidget* parent);
    QWidget* createUpDown(Component& c, QWidget* parent);
    QWidget* createCheckBox(Component& c, QWidget* parent);
    QWidget* createRadioButton(Component& c, QWidget* parent);
    void connectChecking(Component& c, QAbstractButton& button, bool radio);
    QWidget* createButton(Component& c, QWidget* parent);
    QWidget* createDatePicker(Component& c, QWidget* parent);
    QWidget* createMemo(Component& c, QWidget* parent);
    QObject* createTimer(Component& c);
    QWidget* parentWidgetFor(const Component& c) const;
    void watch(QWidget* w, Component& c);
    void applyAll(Component& c);
    void apply(Component& c, std::string_view property);
    void applyMenuItem(Component& c, QAction& action, std::string_view property);
    // What every widget shows the same way: visibility, state, tooltip,
    // pages, status bar and chart. False for a property it leaves alone.
    bool applyWidgetState(Component& c, QWidget& w, std::string_view property);
    // The page shown, after a page or a page control changed.
    void applyPageChange(Component& c);
    void applyLabel(Component& c, QLabel& label, std::string_view property);
    void applyButton(Component& c, QAbstractButton& button, std::string_view property);
    void applyEdit(const Edit& model, QLineEdit& edit, std::string_view property);
    void applyComboBox(const ComboBox& model, QComboBox& combo, std::string_view property);
    void applyDatePicker(const DateTimePicker& model, QDateEdit& date, std::string_view property);
    void applyMemoLines(const Memo& model, QPlainTextEdit& memo);
    // A hidden menu item keeps its shortcut working (Qt drops a hidden
    // action's shortcut), through a window shortcut active only while hidden.
    void syncHiddenShortcut(Component& item, QAction* action);
    void applyGeometry(Component& c);
    void applyFont(Component& c);
    // The font the model gives a control: its own height, else its parent's.
    QFont designedFont(const Component& c, const QWidget& w) const;
    void setDesignedFont(const Component& c, QWidget& w);
    void applyColors(Component& c);
    void applyTabs(Component& pageControl);
    // Shows the active page of a page control after a moment, once for
    // every change until then.
    void applyTabsSoon(Component& pageControl);
    void applyPanels(Component& statusBar);
    void applyProgress(Component& statusBar);
    void applyTimer(Component& timer);
    QWidget* menuContainerFor(Component& item);

    // A user action: a model change that runs handlers by itself.
    void userAction(const std::function<void()>& action);
    // A user event bound to a handler by name.
    void userEvent(Component& c, const char* event);
    bool updatingWidgets() const { return updating_ > 0; }
    // The up-down whose edit this is, if any.
    UpDown* upDownOf(const Component& edit) const;
    // A key sequence one of the form's visible menu items is bound to.
    bool isMenuShortcut(const QKeySequence& keys) const;
    // Runs the handler of leaving an edit; when it rearranges the texts of
    // edits (a ticket row sorted) the focus goes along with the text of the
    // edit it was moving to.
    void leaveEdit(Component& c, QFocusEvent& event);

    Application& app_;
    Form& form_;
    QWidget* host_;
    QMainWindow* window_;
    Component* fill_ = nullptr;
    std::unordered_map<const Component*, QObject*> objects_;
    std::unordered_map<QObject*, Component*> watched_;
    std::unordered_map<const Component*, std::vector<QLabel*>> panelLabels_;
    QProgressBar* progressBar_ = nullptr;
    std::size_t seen_ = 0;
    int updating_ = 0;
    std::set<Component*> pendingTabs_;  // page controls to show, while busy
    // Edits whose text the model changed while an edit was being left.
    std::vector<QWidget*>* editsChanged_ = nullptr;
};

}  // namespace kugel
