#pragma once

#include <QMainWindow>
#include <memory>

#include "qt/form_view.h"
#include "qt/indicator_style.h"

namespace kugel {

class Application;
class TForm1;

// The main window: Form1's widgets in the central area, its main menu in the
// menu bar and its status bar at the bottom. It reports resizing, closing and
// the user's return from another application to the model.
class MainView : public QMainWindow {
  public:
    MainView(Application& app, TForm1& form);
    ~MainView() override;

    FormView& view() const { return *view_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void formChanged(std::string_view property);
    void applyClientSize();
    void applyScale(double scale);
    void fitPagesToWindowHeight();
    QFont barFont(double scale) const;
    int menuHeightFor(int clientHeight) const;
    int clientHeightFor(int windowHeight) const;
    void focusWindowChanged(QWindow* window);

    Application& app_;
    TForm1& form_;
    QWidget* central_ = nullptr;
    // Declared before the view: the pages' check boxes draw with it.
    IndicatorStyle indicatorStyle_;
    std::unique_ptr<FormView> view_;
    bool leftApplication_ = false;
    bool resizing_ = false;
    bool fittedToFrame_ = false;
    double scale_ = 0;
    int designedClientHeight_ = 1;
    bool menuFitPending_ = false;
};

}  // namespace kugel
