#include "qt/form_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

#include "controls/chart.h"
#include "controls/property_names.h"
#include "qt/button_icons.h"
#include "qt/chart_widget.h"
#include "qt/qt_conversions.h"
#include "shell/application.h"

namespace kugel {
namespace {

// Bounds in the form's (already scaled) pixels.
QRect rectOf(const Bounds& b) {
    return QRect(b.left, b.top, std::max(0, b.width), std::max(0, b.height));
}

// A colour of the model against a widget palette: plain colours as they are,
// system colours from the palette's matching role.
QColor resolve(Color c, const QPalette& palette, QPalette::ColorRole fallback) {
    if (const auto plain = plainColor(c)) return *plain;
    switch (c) {
        case clWindow:
            return palette.color(QPalette::Base);
        case clWindowText:
            return palette.color(QPalette::WindowText);
        case clBtnFace:
            return palette.color(QPalette::Window);
        case clInfoBk:
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(fallback);
    }
}

// A printer drawn in a few strokes, for desktops without an icon theme.
QIcon drawnPrinterIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));  // the sheet going in
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 3, 3);  // the body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));  // the printed sheet
    p.end();
    return QIcon(pixmap);
}

QIcon speedButtonIcon(const QStyle& style, const std::string& name) {
    if (name == "DruckButton")
        return QIcon::fromTheme(QStringLiteral("document-print"), drawnPrinterIcon());
    QStyle::StandardPixmap pixmap = QStyle::SP_FileDialogContentsView;
    if (name == "SpeedButton6") pixmap = QStyle::SP_ArrowLeft;
    if (name == "SpeedButton7") pixmap = QStyle::SP_ArrowRight;
    if (name == "SpeedButton5") pixmap = QStyle::SP_DialogApplyButton;
    if (name == "SpeedButton8") pixmap = QStyle::SP_BrowserStop;
    if (name == "SpeedButton10") pixmap = QStyle::SP_BrowserReload;
    if (name == "SpeedButton15") pixmap = QStyle::SP_DialogSaveButton;
    if (name == "SpeedButton16") pixmap = QStyle::SP_DialogOpenButton;
    return style.standardIcon(pixmap);
}

// Two stacked arrow buttons, the up-down of an edit.
class UpDownWidget : public QWidget {
  public:
    explicit UpDownWidget(QWidget* parent) : QWidget(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (QToolButton** b : {&up, &down}) {
            *b = new QToolButton(this);
            (*b)->setArrowType(b == &up ? Qt::UpArrow : Qt::DownArrow);
            (*b)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
            (*b)->setMinimumSize(1, 1);
            (*b)->setAutoRepeat(true);
            (*b)->setFocusPolicy(Qt::NoFocus);
            layout->addWidget(*b);
        }
    }
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
};

// A text colour of the model holds for an enabled control; a disabled one
// keeps the palette's greyed text, so that it looks disabled.
void setTextColor(QPalette& pal, QPalette::ColorRole role, const QColor& color) {
    pal.setColor(QPalette::Active, role, color);
    pal.setColor(QPalette::Inactive, role, color);
}

// A label in a narrow upright strip, its text running bottom to top.
class VerticalLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.translate(0, height());
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text());
    }
};

// A status panel: text longer than the panel ends in "…" instead of being
// cut off mid-letter, and the whole text shows as its tooltip, unless the
// panel has a tooltip of its own.
class StatusPanelLabel : public QLabel {
  public:
    using QLabel::QLabel;

    void setPanel(const QString& text, const QString& hint) {
        hint_ = hint;
        setText(text);
        updateToolTip();
        update();
    }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        updateToolTip();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect();
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }

  private:
    void updateToolTip() {
        const bool cut = fontMetrics().horizontalAdvance(text()) > contentsRect().width();
        setToolTip(!hint_.isEmpty() ? hint_ : cut ? text() : QString());
    }
    QString hint_;
};

// Upright strips far taller than wide carry their text turned.
bool isUpright(const Component& c) {
    return c.bounds().height >= 4 * c.bounds().width && c.bounds().width > 0;
}

bool isButtonKind(Kind k) {
    return k == Kind::Button || k == Kind::BitBtn || k == Kind::SpeedButton;
}

// A page of a page control; without one it stands as a plain area.
QWidget* newTabSheet(const Component& c, QWidget* parent) {
    auto* page = new QWidget();
    if (auto* tabs = qobject_cast<QTabWidget*>(parent))
        tabs->addTab(page, qs(c.caption()));
    else
        page->setParent(parent);
    return page;
}

// A panel is a raised frame that can show its caption.
QWidget* newPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setAlignment(Qt::AlignCenter);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}

QWidget* newLabel(const Component& c, QWidget* parent) {
    auto* label = isUpright(c) ? new VerticalLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (c.handlerFor("OnClick")) label->setCursor(Qt::PointingHandCursor);
    return label;
}

}  // namespace

FormView::FormView(Application& app, Form& form, QWidget* host, QMainWindow* window)
    : app_(app), form_(form), host_(host), window_(window) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(form.fontHeight() > 0 ? form.fontHeight() : 13);
    (window_ ? static_cast<QWidget*>(window_) : host_)->setFont(font);
    host_->installEventFilter(this);
    syncComponents();
    form_.addObserver(this);
}

FormView::~FormView() {
    form_.removeObserver(this);
}

QWidget* FormView::widgetFor(const Component& c) const {
    auto it = objects_.find(&c);
    return it == objects_.end() ? nullptr : qobject_cast<QWidget*>(it->second);
}

QObject* FormView::objectFor(const Component& c) const {
    auto it = objects_.find(&c);
    return it == objects_.end() ? nullptr : it->second;
}

void FormView::setFill(Component* c) {
    fill_ = c;
    if (c) applyGeometry(*c);
}

void FormView::relayout() {
    for (const auto& owned : form_.components()) applyGeometry(*owned);
}

// Controls the model creates later (a language menu, say) get their widgets
// the first time they report a change.
void FormView::syncComponents() {
    const auto& all = form_.components();
    while (seen_ < all.size()) create(*all[seen_++]);
}

void FormView::propertyChanged(Component& component, std::string_view property) {
    if (&component == &form_) {
        if (formChanged) formChanged(property);
        return;
    }
    if (!objects_.count(&component)) {
        syncComponents();
        return;
    }
    ++updating_;
    apply(component, property);
    --updating_;
}

void FormView::userAction(const std::function<void()>& action) {
    app_.userAction(action);
    if (afterUserAction) afterUserAction();
}

void FormView::userEvent(Component& c, const char* event) {
    app_.fireEvent(c, event);
    if (afterUserAction) afterUserAction();
}

QWidget* FormView::parentWidgetFor(const Component& c) const {
    const Component* p = c.parent();
    if (!p || p == &form_) return host_;
    if (QWidget* w = widgetFor(*p)) return w;
    return host_;
}

QWidget* FormView::menuContainerFor(Component& item) {
    Component* p = item.parent();
    auto* parentAction = p ? qobject_cast<QAction*>(objectFor(*p)) : nullptr;
    if (!parentAction) {
        if (p && p != &form_) {
            if (auto* bar = qobject_cast<QMenuBar*>(widgetFor(*p))) return bar;
        }
        return window_ ? window_->menuBar() : nullptr;
    }
    // A menu item that gets items of its own becomes a submenu.
    if (!parentAction->menu()) {
        auto* menu = new QMenu(parentWidgetFor(*p));
        parentAction->setMenu(menu);
    }
    return parentAction->menu();
}

void FormView::create(Component& c) {
    QWidget* parent = parentWidgetFor(c);
    QObject* object = createObject(c, parent);
    if (!object) return;
    object->setObjectName(qs(c.name()));
    objects_[&c] = object;
    if (auto* w = qobject_cast<QWidget*>(object)) watch(w, c);
    ++updating_;
    applyAll(c);
    // A page arrives after its page control: show the active one now.
    if (c.kind() == Kind::TabSheet && c.parent()) applyTabs(*c.parent());
    --updating_;
}

void FormView::watch(QWidget* w, Component& c) {
    watched_[w] = &c;
    w->installEventFilter(this);
    w->setMouseTracking(true);
    // Mouse and focus events of compound widgets reach their inner parts.
    if (auto* date = qobject_cast<QDateEdit*>(w)) {
        if (auto* line = date->findChild<QLineEdit*>()) {
            watched_[line] = &c;
            line->installEventFilter(this);
            line->setMouseTracking(true);
        }
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        watched_[memo->viewport()] = &c;
        memo->viewport()->installEventFilter(this);
        memo->viewport()->setMouseTracking(true);
    }
}

QObject* FormView::createObject(Component& c, QWidget* parent) {
    switch (c.kind()) {
        case Kind::Form:
        case Kind::SaveDialog:
        case Kind::OpenDialog:
            return nullptr;
        case Kind::MainMenu:
            if (window_) return window_->menuBar();
            return new QMenuBar(parent);
        case Kind::MenuItem:
            return createMenuItem(c);
        case Kind::PageControl:
            return createPageControl(c, parent);
        case Kind::TabSheet:
            return newTabSheet(c, parent);
        case Kind::Panel:
            return newPanel(parent);
        case Kind::GroupBox:
        case Kind::RadioGroup:
            return new QGroupBox(parent);
        case Kind::Label:
            return newLabel(c, parent);
        case Kind::Edit:
            return createEdit(c, parent);
        case Kind::ComboBox:
            return createComboBox(c, parent);
        case Kind::UpDown:
            return createUpDown(c, parent);
        case Kind::CheckBox:
            return createCheckBox(c, parent);
        case Kind::RadioButton:
            return createRadioButton(c, parent);
        case Kind::Button:
        case Kind::BitBtn:
        case Kind::SpeedButton:
            return createButton(c, parent);
        case Kind::DateTimePicker:
            return createDatePicker(c, parent);
        case Kind::Memo:
            return createMemo(c, parent);
        case Kind::StatusBar: {
            QStatusBar* bar = window_ ? window_->statusBar() : new QStatusBar(parent);
            bar->setSizeGripEnabled(false);
            return bar;
        }
        case Kind::Chart:
            return new ChartWidget(static_cast<Chart&>(c), parent);
        case Kind::Timer:
            return createTimer(c);
    }
    return nullptr;
}

QObject* FormView::createMenuItem(Component& c) {
    QWidget* container = menuContainerFor(c);
    auto* action = new QAction(container ? static_cast<QObject*>(container) : this);
    if (c.caption() == "-") action->setSeparator(true);
    if (container) container->addAction(action);
    connect(action, &QAction::triggered, this, [this, &c] { userEvent(c, "OnClick"); });
    return action;
}

QWidget* FormView::createPageControl(Component& c, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setUsesScrollButtons(true);
    // Without the pane's frame the page keeps the full designed area
    // below the tab bar.
    tabs->setDocumentMode(true);
    connect(tabs, &QTabWidget::currentChanged, this, [this, &c, tabs](int index) {
        if (updatingWidgets() || index < 0) return;
        auto& pc = static_cast<PageControl&>(c);
        for (TabSheet* page : pc.pages()) {
            if (widgetFor(*page) == tabs->widget(index)) {
                userAction([&] { pc.setActivePage(page); });
                userEvent(pc, "OnChange");
                break;
            }
        }
    });
    return tabs;
}

QWidget* FormView::createEdit(Component& c, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    connect(edit, &QLineEdit::textEdited, this, [this, &c](const QString& text) {
        userAction([&] { static_cast<Edit&>(c).setText(text.toStdString()); });
    });
    // The edit of an up-down shows the value the program uses once
    // the user leaves it or presses Enter.
    connect(edit, &QLineEdit::editingFinished, this, [this, &c] {
        if (UpDown* upDown = upDownOf(c)) userAction([upDown] { upDown->settleText(); });
    });
    return edit;
}

QWidget* FormView::createComboBox(Component& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    connect(combo, &QComboBox::currentTextChanged, this, [this, &c](const QString& text) {
        if (updatingWidgets()) return;
        userAction([&] { static_cast<Edit&>(c).setText(text.toStdString()); });
    });
    return combo;
}

QWidget* FormView::createUpDown(Component& c, QWidget* parent) {
    auto* ud = new UpDownWidget(parent);
    auto click = [this, &c](int delta) {
        userEvent(c, "OnMouseDown");
        userAction([&] { static_cast<UpDown&>(c).step(delta); });
        userEvent(c, "OnMouseUp");
    };
    connect(ud->up, &QToolButton::clicked, this, [click] { click(+1); });
    connect(ud->down, &QToolButton::clicked, this, [click] { click(-1); });
    return ud;
}

QWidget* FormView::createCheckBox(Component& c, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    connectChecking(c, *box, false);
    return box;
}

QWidget* FormView::createRadioButton(Component& c, QWidget* parent) {
    auto* radio = new QRadioButton(parent);
    // The model's handlers keep the group exclusive.
    radio->setAutoExclusive(false);
    connectChecking(c, *radio, true);
    return radio;
}

// A click checks the model's box (a radio button is only ever checked by
// one); the widget then shows what the model's handlers left.
void FormView::connectChecking(Component& c, QAbstractButton& button, bool radio) {
    connect(&button, &QAbstractButton::clicked, this, [this, &c, &button, radio](bool on) {
        auto& model = static_cast<CheckBox&>(c);
        userAction([&] { model.setChecked(radio || on); });
        const QSignalBlocker block(&button);
        button.setChecked(model.checked());
    });
}

QWidget* FormView::createButton(Component& c, QWidget* parent) {
    QAbstractButton* button = nullptr;
    if (c.kind() == Kind::SpeedButton) {
        auto* tool = new QToolButton(parent);
        tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        QIcon icon = buttonIcon(form_.name(), c.name(), app_.platform().programDirectory());
        if (c.caption().empty()) {
            tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
            if (icon.isNull()) icon = speedButtonIcon(*tool->style(), c.name());
        }
        tool->setIcon(icon);
        button = tool;
    } else {
        auto* push = new QPushButton(parent);
        push->setAutoDefault(false);
        button = push;
    }
    connect(button, &QAbstractButton::clicked, this, [this, &c] {
        const DialogResult result = static_cast<Button&>(c).modalResult;
        if (result != DialogResult::None) form_.modalResult = result;
        userEvent(c, "OnClick");
    });
    return button;
}

QWidget* FormView::createDatePicker(Component& c, QWidget* parent) {
    auto* date = new QDateEdit(parent);
    date->setCalendarPopup(true);
    // A typed date before the earliest one allowed becomes the
    // earliest one instead of springing back to the date before.
    date->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    connect(date, &QDateEdit::dateChanged, this, [this, &c, date](const QDate& d) {
        if (updatingWidgets()) return;
        auto& model = static_cast<DateTimePicker&>(c);
        userAction([&] { model.setDate(dayOfDate(d)); });
        // A date the model refused springs back. One it took stays
        // untouched: setting it again would move the cursor out of the
        // part the player is typing.
        const QDate taken = dateOfDay(model.date());
        if (date->date() == taken) return;
        const QSignalBlocker block(date);
        date->setDate(taken);
    });
    return date;
}

QWidget* FormView::createMemo(Component& c, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setLineWrapMode(static_cast<Memo&>(c).wordWrap() ? QPlainTextEdit::WidgetWidth
                                                           : QPlainTextEdit::NoWrap);
    connect(memo, &QPlainTextEdit::textChanged, this, [this, &c, memo] {
        if (updatingWidgets()) return;
        std::vector<std::string> lines;
        for (const QString& line : memo->toPlainText().split(u'\n'))
            lines.push_back(line.toStdString());
        userAction([&] { static_cast<Memo&>(c).setLines(std::move(lines)); });
    });
    return memo;
}

QObject* FormView::createTimer(Component& c) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, &c] { userEvent(c, "OnTimer"); });
    return timer;
}

void FormView::applyAll(Component& c) {
    for (const std::string_view p :
         {prop::Caption,   prop::Hint,       prop::Visible,    prop::Enabled,  prop::Color,
          prop::FontColor, prop::Bounds,     prop::Font,       prop::Text,     prop::ReadOnly,
          prop::Checked,   prop::Date,       prop::MinDate,    prop::Lines,    prop::Panels,
          prop::Progress,  prop::ActivePage, prop::TabVisible, prop::ShortCut, prop::Interval,
          prop::Chart,     prop::Items,      prop::Alignment})
        apply(c, p);
}

void FormView::apply(Component& c, std::string_view property) {
    QObject* object = objectFor(c);
    if (!object) return;

    if (property == prop::Bounds) return applyGeometry(c);
    if (property == prop::Font) return applyFont(c);
    if (property == prop::Color || property == prop::FontColor) return applyColors(c);

    if (auto* action = qobject_cast<QAction*>(object)) return applyMenuItem(c, *action, property);
    if (qobject_cast<QTimer*>(object)) {
        if (property == prop::Enabled || property == prop::Interval) applyTimer(c);
        return;
    }
    QWidget* w = qobject_cast<QWidget*>(object);
    if (applyWidgetState(c, *w, property)) return;

    switch (c.kind()) {
        case Kind::TabSheet:
            if (property == prop::Caption && c.parent()) {
                if (auto* tabs = qobject_cast<QTabWidget*>(widgetFor(*c.parent())))
                    tabs->setTabText(tabs->indexOf(w), qs(c.caption()));
            }
            break;
        case Kind::Label:
        case Kind::Panel:
            applyLabel(c, *static_cast<QLabel*>(w), property);
            break;
        case Kind::GroupBox:
        case Kind::RadioGroup:
            if (property == prop::Caption) static_cast<QGroupBox*>(w)->setTitle(qs(c.caption()));
            break;
        case Kind::Button:
        case Kind::BitBtn:
        case Kind::SpeedButton:
        case Kind::CheckBox:
        case Kind::RadioButton:
            applyButton(c, *static_cast<QAbstractButton*>(w), property);
            break;
        case Kind::Edit:
            applyEdit(static_cast<Edit&>(c), *static_cast<QLineEdit*>(w), property);
            break;
        case Kind::ComboBox:
            applyComboBox(static_cast<ComboBox&>(c), *static_cast<QComboBox*>(w), property);
            break;
        case Kind::DateTimePicker:
            applyDatePicker(static_cast<DateTimePicker&>(c), *static_cast<QDateEdit*>(w), property);
            break;
        case Kind::Memo:
            if (property == prop::Lines)
                applyMemoLines(static_cast<Memo&>(c), *static_cast<QPlainTextEdit*>(w));
            break;
        default:
            break;
    }
}

void FormView::applyMenuItem(Component& c, QAction& action, std::string_view property) {
    auto& item = static_cast<MenuItem&>(c);
    if (property == prop::Caption)
        action.setText(qs(c.caption()));
    else if (property == prop::Visible) {
        action.setVisible(c.visible());
        syncHiddenShortcut(c, &action);
    } else if (property == prop::Enabled) {
        action.setEnabled(c.enabled());
        syncHiddenShortcut(c, &action);
    } else if (property == prop::ShortCut) {
        action.setShortcut(QKeySequence(qs(item.shortCut())));
        syncHiddenShortcut(c, &action);
    } else if (property == prop::Checked) {
        if (item.checked()) action.setCheckable(true);
        action.setChecked(item.checked());
    } else if (property == prop::Hint)
        action.setStatusTip(qs(c.hint()));
}

bool FormView::applyWidgetState(Component& c, QWidget& w, std::string_view property) {
    if (property == prop::Visible) {
        if (c.kind() == Kind::TabSheet || c.kind() == Kind::MainMenu) return true;
        w.setVisible(c.visible());
        return true;
    }
    if (property == prop::Enabled) {
        w.setEnabled(c.enabled());
        return true;
    }
    if (property == prop::Hint || property == prop::ShowHint) {
        w.setToolTip(c.showHint() ? qs(c.hint()) : QString());
        return true;
    }
    if (property == prop::TabVisible || property == prop::ActivePage) {
        applyPageChange(c);
        return true;
    }
    if (property == prop::Panels) {
        if (c.kind() == Kind::StatusBar) applyPanels(c);
        return true;
    }
    if (property == prop::Progress) {
        if (c.kind() == Kind::StatusBar) applyProgress(c);
        return true;
    }
    if (property == prop::Chart) {
        w.update();
        return true;
    }
    return false;
}

void FormView::applyPageChange(Component& c) {
    Component* pages = c.kind() == Kind::PageControl ? &c
                       : c.kind() == Kind::TabSheet  ? c.parent()
                                                     : nullptr;
    if (!pages) return;
    // A long job may turn pages every round (each calculation of an
    // analysis shows its chart page); showing and hiding a page's
    // widgets costs more than the round. While the busy cursor is up the
    // page shown follows a few times a second, and always ends on the last.
    if (QApplication::overrideCursor() != nullptr) {
        applyTabsSoon(*pages);
        return;
    }
    applyTabs(*pages);
}

void FormView::applyLabel(Component& c, QLabel& label, std::string_view property) {
    if (property == prop::Caption) {
        label.setText(withoutMnemonics(c.caption()));
        if (c.kind() == Kind::Label) applyGeometry(c);
    }
    if (property == prop::Alignment && c.kind() == Kind::Label) {
        const bool right = static_cast<Label&>(c).alignment() == Alignment::Right;
        label.setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    }
}

void FormView::applyButton(Component& c, QAbstractButton& button, std::string_view property) {
    if (property == prop::Caption) {
        button.setText(qs(c.caption()));
        if (c.kind() == Kind::SpeedButton) applyGeometry(c);
    }
    if (property == prop::Checked && !isButtonKind(c.kind())) {
        const QSignalBlocker block(button);
        button.setChecked(static_cast<CheckBox&>(c).checked());
    }
}

void FormView::applyEdit(const Edit& model, QLineEdit& edit, std::string_view property) {
    if (property == prop::Text) {
        // While the user types, an equal text must not move the cursor.
        const QString text = qs(model.text());
        if (edit.text() != text) {
            edit.setText(text);
            if (editsChanged_) editsChanged_->push_back(&edit);
        }
    } else if (property == prop::ReadOnly) {
        edit.setReadOnly(model.readOnly());
    }
}

void FormView::applyComboBox(const ComboBox& model, QComboBox& combo, std::string_view property) {
    const QSignalBlocker block(combo);
    if (property == prop::Items) {
        combo.clear();
        for (const std::string& item : model.items()) combo.addItem(qs(item));
    }
    if (property == prop::Items || property == prop::Text) {
        const QString text = qs(model.text());
        if (combo.currentText() != text) combo.setEditText(text);
    }
}

void FormView::applyDatePicker(const DateTimePicker& model, QDateEdit& date,
                               std::string_view property) {
    const QSignalBlocker block(date);
    if (property == prop::MinDate) date.setMinimumDate(dateOfDay(model.minDate()));
    if (property == prop::Date || property == prop::MinDate) {
        const QString format = editorDateFormat(app_.platform().locale().shortDateFormat);
        if (date.displayFormat() != format) date.setDisplayFormat(format);
        // The date the player is typing comes back from the model:
        // setting it again would move the cursor.
        const QDate taken = dateOfDay(model.date());
        if (date.date() != taken) date.setDate(taken);
    }
}

void FormView::applyMemoLines(const Memo& model, QPlainTextEdit& memo) {
    QStringList lines;
    for (const std::string& line : model.lines()) lines << qs(line);
    const QString text = lines.join(u'\n');
    if (memo.toPlainText() != text) memo.setPlainText(text);
}

void FormView::applyGeometry(Component& c) {
    QWidget* w = widgetFor(c);
    if (!w) return;
    switch (c.kind()) {
        case Kind::TabSheet:
        case Kind::MainMenu:
            return;
        case Kind::StatusBar:
            if (window_) return;
            break;
        default:
            break;
    }
    if (&c == fill_) {
        if (QWidget* parent = w->parentWidget()) w->setGeometry(parent->rect());
        return;
    }
    w->setGeometry(rectOf(c.bounds()));
    // Pictures grow and shrink with the button they are on.
    if (auto* tool = qobject_cast<QToolButton*>(w); tool && c.kind() == Kind::SpeedButton) {
        const int side = std::max(8, std::min(c.bounds().width, c.bounds().height) - 8);
        tool->setIconSize(QSize(side, side));
        // A caption comes first: the picture beside it only where both fit.
        if (!tool->text().isEmpty() && !tool->icon().isNull()) {
            const int needed = tool->fontMetrics().horizontalAdvance(tool->text()) + side + 16;
            tool->setToolButtonStyle(needed <= c.bounds().width ? Qt::ToolButtonTextBesideIcon
                                                                : Qt::ToolButtonTextOnly);
        }
    }
    // A label laid out two or more lines high wraps its text; one laid out
    // for a single line keeps to its width: the font, which does not grow
    // quite in step with the scaled bounds, is set a little smaller where the
    // text would run under its neighbour (the draw text beside its ">"
    // button). Only a text that does not fit even so gets the width it needs.
    if (auto* label = qobject_cast<QLabel*>(w); label && c.kind() == Kind::Label) {
        // Judged in the font the label is to have: the one it has may still
        // be that of the size the window had before it was scaled.
        const QFont designed = designedFont(c, *label);
        const bool wraps = c.bounds().height >= 2 * QFontMetrics(designed, label).height() - 4;
        label->setWordWrap(wraps);
        if (wraps || isUpright(c)) {
            label->setFont(designed);
            return;
        }
        // Measured on the label itself: a font's width without a device
        // (another resolution, other hinting) can be narrower than drawn.
        const auto needed = [label](const QFont& font) {
            return QFontMetrics(font, label).horizontalAdvance(label->text()) +
                   2 * label->frameWidth() + 1;
        };
        QFont font = designed;
        // A font given in pixels goes down a pixel at a time, one given in
        // points (a label that inherits its page's font) half a point, to
        // four fifths of its designed size at most.
        const bool inPixels = designed.pixelSize() > 0;
        const double designedSize = inPixels ? designed.pixelSize() : designed.pointSizeF();
        const double step = inPixels ? 1.0 : 0.5;
        for (double size = designedSize; designedSize > 0 && needed(font) > label->width() &&
                                         size - step >= designedSize * 4 / 5;) {
            size -= step;
            if (inPixels)
                font.setPixelSize(static_cast<int>(size));
            else
                font.setPointSizeF(size);
        }
        // Set even when it is the designed one: the label is drawn in the
        // font it was measured in, not in one it might inherit otherwise.
        label->setFont(font);
        if (needed(font) > label->width()) label->resize(needed(font), label->height());
    }
}

QFont FormView::designedFont(const Component& c, const QWidget& w) const {
    const bool bold = c.kind() == Kind::Label && static_cast<const Label&>(c).bold();
    QFont font;
    if (c.fontHeight() > 0) {
        font = QFont(QStringLiteral("Arial"));
        font.setPixelSize(c.fontHeight());
    } else {
        font = w.parentWidget() ? w.parentWidget()->font() : QApplication::font();
    }
    font.setBold(bold);
    return font;
}

void FormView::setDesignedFont(const Component& c, QWidget& w) {
    const bool bold = c.kind() == Kind::Label && static_cast<const Label&>(c).bold();
    if (c.fontHeight() > 0 || bold)
        w.setFont(designedFont(c, w));
    else
        w.setFont(QFont());  // inherit the parent's
}

void FormView::applyFont(Component& c) {
    QWidget* w = widgetFor(c);
    if (!w || c.kind() == Kind::MainMenu) return;
    setDesignedFont(c, *w);
    if (c.kind() == Kind::Label) applyGeometry(c);
}

void FormView::applyColors(Component& c) {
    QWidget* w = widgetFor(c);
    if (!w) return;
    const QPalette base = w->parentWidget() ? w->parentWidget()->palette() : QPalette();
    QPalette pal = base;
    switch (c.kind()) {
        case Kind::Edit:
        case Kind::ComboBox:
        case Kind::Memo:
        case Kind::DateTimePicker:
            pal.setColor(QPalette::Base, resolve(c.color(), base, QPalette::Base));
            setTextColor(pal, QPalette::Text, resolve(c.fontColor(), base, QPalette::Text));
            break;
        case Kind::Label:
        case Kind::Panel:
        case Kind::CheckBox:
        case Kind::RadioButton:
        case Kind::GroupBox:
        case Kind::RadioGroup:
            setTextColor(pal, QPalette::WindowText,
                         resolve(c.fontColor(), base, QPalette::WindowText));
            // The colour fills the control's whole cell, not only the box of
            // a check box.
            w->setBackgroundRole(QPalette::Window);
            if (c.color() != clBtnFace) {
                pal.setColor(QPalette::Window, resolve(c.color(), base, QPalette::Window));
                w->setAutoFillBackground(true);
            } else {
                w->setAutoFillBackground(false);
            }
            break;
        case Kind::Button:
        case Kind::BitBtn:
        case Kind::SpeedButton:
            setTextColor(pal, QPalette::ButtonText,
                         resolve(c.fontColor(), base, QPalette::ButtonText));
            break;
        default:
            return;
    }
    w->setPalette(pal);
}

void FormView::applyTabsSoon(Component& pc) {
    const bool first = pendingTabs_.empty();
    pendingTabs_.insert(&pc);
    if (!first) return;
    constexpr int kBusyPageIntervalMs = 250;
    QTimer::singleShot(kBusyPageIntervalMs, this, [this] {
        const std::set<Component*> pending = std::move(pendingTabs_);
        pendingTabs_.clear();
        for (Component* p : pending) applyTabs(*p);
    });
}

void FormView::applyTabs(Component& pc) {
    auto* tabs = qobject_cast<QTabWidget*>(widgetFor(pc));
    if (!tabs || pc.kind() != Kind::PageControl) return;
    auto& control = static_cast<PageControl&>(pc);
    const QSignalBlocker block(tabs);
    for (TabSheet* page : control.pages()) {
        const int index = tabs->indexOf(widgetFor(*page));
        if (index >= 0) tabs->setTabVisible(index, page->tabVisible());
    }
    if (TabSheet* active = control.activePage()) {
        if (QWidget* page = widgetFor(*active); page && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
}

void FormView::applyPanels(Component& c) {
    auto* bar = qobject_cast<QStatusBar*>(widgetFor(c));
    if (!bar) return;
    const auto& panels = static_cast<StatusBar&>(c).panels();
    auto& labels = panelLabels_[&c];
    while (labels.size() < panels.size()) {
        auto* label = new StatusPanelLabel(bar);
        label->setTextFormat(Qt::PlainText);
        // A line between the panels instead of a frame around each: a frame
        // above and below would need more height than the bar has for a
        // line of text.
        label->setStyleSheet(
            QStringLiteral("QLabel { border-right: 1px solid palette(mid); "
                           "padding-left: 2px; }"));
        label->setObjectName(qs(c.name() + ".Panels[" + std::to_string(labels.size()) + "]"));
        const StatusPanel& panel = panels[labels.size()];
        if (panel.width > 0) label->setFixedWidth(panel.width);
        bar->addWidget(label, panel.width > 0 ? 0 : 1);
        labels.push_back(label);
    }
    for (std::size_t i = 0; i < panels.size(); ++i)
        static_cast<StatusPanelLabel*>(labels[i])->setPanel(qs(panels[i].text), qs(panels[i].hint));
}

void FormView::applyProgress(Component& c) {
    auto* bar = qobject_cast<QStatusBar*>(widgetFor(c));
    if (!bar) return;
    const StatusProgress& progress = static_cast<StatusBar&>(c).progress();
    if (!progressBar_) {
        progressBar_ = new QProgressBar(bar);
        progressBar_->setObjectName(qs(c.name() + ".Progress"));
        progressBar_->setTextVisible(true);
        progressBar_->setFixedWidth(160);
        progressBar_->setMinimumHeight(0);
        bar->addPermanentWidget(progressBar_);
        progressBar_->hide();
    }
    if (progress.maximum <= 0) {
        progressBar_->hide();
        return;
    }
    progressBar_->setRange(0, progress.maximum);
    progressBar_->setValue(progress.position);
    progressBar_->setFormat(qs(progress.text));
    progressBar_->show();
}

void FormView::applyTimer(Component& c) {
    auto* timer = qobject_cast<QTimer*>(objectFor(c));
    const auto& model = static_cast<Timer&>(c);
    if (!timer) return;
    timer->setInterval(model.interval());
    if (model.enabled() && model.interval() > 0)
        timer->start();
    else
        timer->stop();
}

UpDown* FormView::upDownOf(const Component& edit) const {
    for (const auto& owned : form_.components()) {
        if (owned->kind() != Kind::UpDown) continue;
        auto* upDown = static_cast<UpDown*>(owned.get());
        if (upDown->associate() == &edit) return upDown;
    }
    return nullptr;
}

void FormView::syncHiddenShortcut(Component& item, QAction* action) {
    if (!window_) return;
    auto* shortcut = qobject_cast<QShortcut*>(action->property("hiddenShortcut").value<QObject*>());
    if (!shortcut) {
        if (action->shortcut().isEmpty()) return;
        shortcut = new QShortcut(window_);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, &item] { userEvent(item, "OnClick"); });
        action->setProperty("hiddenShortcut", QVariant::fromValue<QObject*>(shortcut));
    }
    shortcut->setKey(action->shortcut());
    // The model's state: Qt reports a hidden action as disabled too.
    shortcut->setEnabled(!item.visible() && item.enabled());
}

bool FormView::isMenuShortcut(const QKeySequence& keys) const {
    for (const auto& owned : form_.components()) {
        if (owned->kind() != Kind::MenuItem) continue;
        const auto* action = qobject_cast<const QAction*>(objectFor(*owned));
        if (action && action->isVisible() && action->isEnabled() && action->shortcut() == keys)
            return true;
    }
    return false;
}

void FormView::leaveEdit(Component& c, QFocusEvent& event) {
    // The widget the focus moves to has it already while the one it leaves
    // hears of the move.
    auto* next = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!next || !watched_.count(next)) {
        userEvent(c, "OnExit");
        return;
    }
    const QString nextText = next->text();
    std::vector<QWidget*> changed;
    std::vector<QWidget*>* const outer = std::exchange(editsChanged_, &changed);
    userEvent(c, "OnExit");
    editsChanged_ = outer;
    if (next->text() == nextText || nextText.isEmpty()) return;
    // The text the player was going to overwrite now stands in another edit:
    // the focus follows it there, as a Tab would have brought it.
    for (QWidget* w : changed) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (!edit || edit == next || edit->text() != nextText) continue;
        const Qt::FocusReason reason = event.reason();
        QPointer<QLineEdit> from(next);
        QPointer<QLineEdit> to(edit);
        QTimer::singleShot(0, this, [from, to, reason] {
            if (from && to && from->hasFocus()) {
                to->setFocus(reason);
                if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
                    to->selectAll();
            }
        });
        return;
    }
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_) {
        if (event->type() == QEvent::Resize && fill_) applyGeometry(*fill_);
        return false;
    }
    auto it = watched_.find(watched);
    if (it == watched_.end()) return false;
    Component& c = *it->second;
    switch (event->type()) {
        case QEvent::MouseMove:
            if (c.handlerFor("OnMouseMove")) userEvent(c, "OnMouseMove");
            break;
        case QEvent::MouseButtonPress:
            if (c.kind() != Kind::UpDown && c.handlerFor("OnMouseDown"))
                userEvent(c, "OnMouseDown");
            break;
        case QEvent::MouseButtonRelease: {
            if (c.kind() == Kind::UpDown) break;
            if (c.handlerFor("OnMouseUp")) userEvent(c, "OnMouseUp");
            // Controls without a click signal of their own still have OnClick.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool plain = c.kind() == Kind::Label || c.kind() == Kind::Panel ||
                               c.kind() == Kind::Edit || c.kind() == Kind::GroupBox ||
                               c.kind() == Kind::Chart || c.kind() == Kind::Memo;
            auto* w = static_cast<QWidget*>(watched);
            if (plain && mouse->button() == Qt::LeftButton &&
                w->rect().contains(mouse->position().toPoint()) && c.handlerFor("OnClick"))
                userEvent(c, "OnClick");
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (c.handlerFor("OnDblClick")) userEvent(c, "OnDblClick");
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Entering and leaving mean moving between controls of the window;
            // switching to another application or opening a popup is neither.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
            const char* what = event->type() == QEvent::FocusIn ? "OnEnter" : "OnExit";
            if (watched != objectFor(c) || !c.handlerFor(what)) break;
            if (event->type() == QEvent::FocusOut && c.kind() == Kind::Edit)
                leaveEdit(c, *static_cast<QFocusEvent*>(event));
            else
                userEvent(c, what);
            break;
        }
        case QEvent::ShortcutOverride: {
            // An edit claims Ctrl+A (select all) and the like for itself; the
            // menu's shortcuts must win, as the menu promises them. Only
            // selecting all of a text field's text stays with the field: there
            // it is what the player means.
            const auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence pressed(key->keyCombination());
            const bool textField =
                qobject_cast<QLineEdit*>(watched) || qobject_cast<QPlainTextEdit*>(watched);
            if (textField && key->matches(QKeySequence::SelectAll)) break;
            if (isMenuShortcut(pressed)) {
                event->ignore();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace kugel
