#include "qt/main_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QWindow>

#include "model/main_window.h"
#include "shell/application.h"

namespace kugel {
namespace {

constexpr int kStatusBarHeight = 19;

}  // namespace

MainView::MainView(Application& app, TForm1& form) : app_(app), form_(form) {
    setWindowTitle(QString::fromStdString(form.caption()));
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("Form1"));
    setCentralWidget(central_);
    statusBar()->setFixedHeight(kStatusBarHeight);
    view_ = std::make_unique<FormView>(app, form, central_, this);
    view_->formChanged = [this](std::string_view property) { formChanged(property); };
    view_->setFill(form.PageControl1);

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

// The model's client size counts the status bar but not the menu bar.
void MainView::applyClientSize() {
    const Bounds& b = form_.bounds();
    const int menu = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
    resizing_ = true;
    resize(b.width, b.height + menu);
    resizing_ = false;
}

void MainView::formChanged(std::string_view property) {
    if (property == "Caption") {
        setWindowTitle(QString::fromStdString(form_.caption()));
    } else if (property == "Visible") {
        // The model closes the program by hiding its main window.
        if (!form_.visible() && isVisible()) close();
    } else if (property == "Bounds") {
        const Bounds& b = form_.bounds();
        const int clientHeight = central_->height() + statusBar()->height();
        if (!resizing_ && (b.width != central_->width() || b.height != clientHeight))
            applyClientSize();
    }
}

void MainView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (resizing_ && !isVisible()) return;
    const int clientHeight = central_->height() + statusBar()->height();
    const Bounds& b = form_.bounds();
    if (b.width != central_->width() || b.height != clientHeight) {
        const bool was = resizing_;
        resizing_ = true;
        form_.setBounds(b.left, b.top, central_->width(), clientHeight);
        resizing_ = was;
    }
    app_.fireEvent(form_, "OnResize");
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
