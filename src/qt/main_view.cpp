#include "qt/main_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMargins>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "controls/property_names.h"
#include "model/main_window.h"
#include "qt/window_fit.h"
#include "shell/application.h"

namespace kugel {
namespace {

constexpr int kStatusBarHeight = 19;
constexpr int kDesignedFontPixels = 13;
constexpr int kIndicatorPixels = 13;

}  // namespace

MainView::MainView(Application& app, TForm1& form) : app_(app), form_(form) {
    setWindowTitle(QString::fromStdString(form.caption()));
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("Form1"));
    setCentralWidget(central_);
    // The menu items share the designed width in the window's own font; the
    // style's roomier item padding would push the last one behind the
    // overflow arrow.
    QFont menuFont(QStringLiteral("Arial"));
    menuFont.setPixelSize(form.fontHeight());
    menuBar()->setFont(menuFont);
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 3px; }"));
    view_ = std::make_unique<FormView>(app, form, central_, this);
    view_->formChanged = [this](std::string_view property) { formChanged(property); };
    view_->setFill(form.PageControl1);
    applyScale(1.0);
    designedClientHeight_ = form.bounds().height;
    const int menuHeight = menuHeightFor(designedClientHeight_);
    menuBar()->setFixedHeight(menuHeight);
    menuBar()->installEventFilter(this);
    // Below its designed size the pages would cut off their lowest controls.
    setMinimumSize(form.bounds().width, form.bounds().height + menuHeight);

    // The window opens at its designed place and client size (it is not centred).
    move(form.bounds().left, form.bounds().top);
    applyClientSize();

    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow* w) { focusWindowChanged(w); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) leftApplication_ = true;
    });
}

MainView::~MainView() = default;

// The model's client size counts the status bar but not the menu bar. The
// window is fitted to the available area of its screen, and the model takes
// the fitted size, so the pages scale to what is really shown.
void MainView::applyClientSize() {
    const Bounds& b = form_.bounds();
    int menu = menuHeightFor(b.height);
    // Before the window is first shown it has no frame yet; the title bar
    // the window system will add is allowed for.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull()) {
        const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
                         border);
    }
    const int extraWidth = frame.left() + frame.right();
    const int extraHeight = frame.top() + frame.bottom() + menu;

    int clientWidth = b.width;
    int clientHeight = b.height;
    QPoint place = pos();
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const ScreenRect fitted =
            fitToArea({place.x(), place.y(), b.width + extraWidth, b.height + extraHeight},
                      {area.left(), area.top(), area.width(), area.height()});
        place = QPoint(fitted.left, fitted.top);
        clientWidth = fitted.width - extraWidth;
        if (fitted.height != b.height + extraHeight) {
            const int windowHeight = fitted.height - (extraHeight - menu);
            clientHeight = clientHeightFor(windowHeight);
            menu = windowHeight - clientHeight;
        }
        // On a screen smaller than the design the pages give way.
        if (clientWidth < minimumWidth() || clientHeight + menu < minimumHeight())
            setMinimumSize(std::min(minimumWidth(), clientWidth),
                           std::min(minimumHeight(), clientHeight + menu));
    }
    resizing_ = true;
    menuBar()->setFixedHeight(menu);
    move(place);
    resize(clientWidth, clientHeight + menu);
    if (clientWidth != b.width || clientHeight != b.height)
        form_.setBounds(b.left, b.top, clientWidth, clientHeight);
    resizing_ = false;
}

void MainView::formChanged(std::string_view property) {
    if (property == prop::Caption) {
        setWindowTitle(QString::fromStdString(form_.caption()));
    } else if (property == prop::Visible) {
        // The model shows its main window during start-up and closes the
        // program by hiding it.
        if (form_.visible() && !isVisible()) show();
        if (!form_.visible() && isVisible()) close();
    } else if (property == prop::Bounds) {
        const Bounds& b = form_.bounds();
        if (!resizing_ && (b.width != width() || b.height != clientHeightFor(height())))
            applyClientSize();
    }
}

void MainView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (fittedToFrame_) return;
    fittedToFrame_ = true;
    // The window system adds its frame once the window is up; the fit is
    // done again with the real frame as soon as it is known.
    QTimer::singleShot(0, this, [this] { applyClientSize(); });
}

// The menu and status bars' font at a scale of the pages.
QFont MainView::barFont(double scale) const {
    QFont font = this->font();
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(kDesignedFontPixels * scale))));
    return font;
}

// The menu bar grows and shrinks with the pages, so the client height the
// pages scale to is what the window leaves once the menu bar has the height
// that goes with it. Taken from the menu bar as it was before, the pages
// would scale to a height they do not have, and a window enlarged and made
// small again would keep them too small. The height is the tallest menu
// text in the font of that scale (scripts such as Devanagari or Chinese
// stand taller than Latin ones), with the bar's padding around it: a menu
// bar lower than its items hides them all behind its overflow arrow.
int MainView::menuHeightFor(int clientHeight) const {
    const auto tallestText = [this](const QFont& font) {
        const QFontMetrics metrics(font);
        int tallest = metrics.height();
        for (const QAction* action : menuBar()->actions())
            if (action->isVisible())
                tallest =
                    std::max(tallest, metrics.size(Qt::TextShowMnemonic, action->text()).height());
        return tallest;
    };
    const int padding = menuBar()->sizeHint().height() - tallestText(menuBar()->font());
    return padding +
           tallestText(barFont(static_cast<double>(clientHeight) / designedClientHeight_));
}

int MainView::clientHeightFor(int windowHeight) const {
    // Client height plus its menu height grows strictly with the client
    // height: the largest client height whose window is not higher.
    int client = std::max(1, windowHeight - menuHeightFor(windowHeight));
    while (client > 1 && client + menuHeightFor(client) > windowHeight) --client;
    while (client + 1 + menuHeightFor(client + 1) <= windowHeight) ++client;
    return client;
}

void MainView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (resizing_ && !isVisible()) return;
    fitPagesToWindowHeight();
}

void MainView::fitPagesToWindowHeight() {
    const int clientHeight = clientHeightFor(height());
    // The menu bar takes what the client leaves, a pixel more than its
    // share where the heights do not divide evenly.
    menuBar()->setFixedHeight(height() - clientHeight);
    const Bounds& b = form_.bounds();
    if (b.width != width() || b.height != clientHeight) {
        const bool was = resizing_;
        resizing_ = true;
        form_.setBounds(b.left, b.top, width(), clientHeight);
        resizing_ = was;
    }
    app_.fireEvent(form_, "OnResize");
    if (form_.designedHeight > 0)
        applyScale(static_cast<double>(form_.groesse) / form_.designedHeight);
}

// Menu texts of another language may stand taller: the menu bar takes the
// height they need, from the pages when the window is up, else in addition.
bool MainView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == menuBar() && !menuFitPending_ &&
        (type == QEvent::ActionChanged || type == QEvent::ActionAdded ||
         type == QEvent::ActionRemoved)) {
        menuFitPending_ = true;
        QTimer::singleShot(0, this, [this] {
            menuFitPending_ = false;
            setMinimumHeight(designedClientHeight_ + menuHeightFor(designedClientHeight_));
            // Most changes (an item enabled while an operation runs) leave
            // the height as it is; only a new height reaches the pages.
            const int clientHeight = clientHeightFor(height());
            if (clientHeight == form_.bounds().height &&
                menuBar()->height() == height() - clientHeight)
                return;
            if (isVisible())
                fitPagesToWindowHeight();
            else
                applyClientSize();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

// What lies outside the pages grows and shrinks with them: the menu, the
// status bar, and the indicators of check boxes and radio buttons.
void MainView::applyScale(double scale) {
    if (scale == scale_ && scale != 1.0) return;
    scale_ = scale;
    const QFont font = barFont(scale);
    menuBar()->setFont(font);
    statusBar()->setFont(font);
    // A line of text, the panels' sunken frames (one pixel above and below)
    // and the three pixels the bar keeps above its items: any lower and the
    // text is cut off at the bottom.
    const int textHeight = QFontMetrics(font).height();
    statusBar()->setFixedHeight(
        std::max(static_cast<int>(std::lround(kStatusBarHeight * scale)), textHeight + 5));
    // The panels' labels carry a style sheet of their own, so they do not
    // take the bar's font by themselves; a panel of fixed width grows with it.
    const std::vector<StatusPanel>& panels = form_.StatusBar1->panels();
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const std::string name = form_.StatusBar1->name() + ".Panels[" + std::to_string(i) + "]";
        auto* label = statusBar()->findChild<QLabel*>(QString::fromStdString(name),
                                                      Qt::FindDirectChildrenOnly);
        if (!label) continue;
        label->setFont(font);
        if (panels[i].width > 0)
            label->setFixedWidth(static_cast<int>(std::lround(panels[i].width * scale)));
    }
    indicatorStyle_.setIndicatorSize(
        std::max(8, static_cast<int>(std::lround(kIndicatorPixels * scale))));
    for (QAbstractButton* button : central_->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QCheckBox*>(button) && !qobject_cast<QRadioButton*>(button)) continue;
        if (button->style() != &indicatorStyle_) button->setStyle(&indicatorStyle_);
        button->update();
    }
}

// The model saves the window's size only in the normal state.
void MainView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const Qt::WindowStates s = windowState();
    form_.windowState = s & Qt::WindowMinimized ? TForm1::WindowState::Minimized
                        : s & (Qt::WindowMaximized | Qt::WindowFullScreen)
                            ? TForm1::WindowState::Maximized
                            : TForm1::WindowState::Normal;
}

void MainView::closeEvent(QCloseEvent* event) {
    // While an operation runs the window stays until it has stopped.
    app_.requestClose();
    if (app_.closed())
        event->accept();
    else
        event->ignore();
}

// The main window is activated again when the user comes back to it from
// another application; the program's own message boxes and file dialogs do
// not count, and its dialog forms activate it through the Application.
void MainView::focusWindowChanged(QWindow* w) {
    if (!w) return;
    if (w != windowHandle()) {
        leftApplication_ = false;
        return;
    }
    if (leftApplication_) {
        leftApplication_ = false;
        app_.activate();
    }
}

}  // namespace kugel
