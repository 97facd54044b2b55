#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "analysis/chance_dialog.h"
#include "model/manual_entry_dialog.h"
#include "qt/program_view.h"
#include "support/test_app.h"

namespace kugel {
namespace {

// Whether a Qt object is the kind of widget a control of this kind needs.
bool matchesKind(Kind kind, QObject* o) {
    switch (kind) {
        case Kind::MainMenu:
            return qobject_cast<QMenuBar*>(o);
        case Kind::MenuItem:
            return qobject_cast<QAction*>(o);
        case Kind::PageControl:
            return qobject_cast<QTabWidget*>(o);
        case Kind::TabSheet:
            return qobject_cast<QWidget*>(o);
        case Kind::Panel:
            return qobject_cast<QFrame*>(o);
        case Kind::GroupBox:
        case Kind::RadioGroup:
            return qobject_cast<QGroupBox*>(o);
        case Kind::Label:
            return qobject_cast<QLabel*>(o);
        case Kind::Edit:
            return qobject_cast<QLineEdit*>(o);
        case Kind::ComboBox:
            return qobject_cast<QComboBox*>(o);
        case Kind::UpDown:
            return o->findChildren<QToolButton*>().size() == 2;
        case Kind::CheckBox:
            return qobject_cast<QCheckBox*>(o);
        case Kind::RadioButton:
            return qobject_cast<QRadioButton*>(o);
        case Kind::Button:
        case Kind::BitBtn:
            return qobject_cast<QPushButton*>(o);
        case Kind::SpeedButton:
            return qobject_cast<QToolButton*>(o);
        case Kind::DateTimePicker:
            return qobject_cast<QDateEdit*>(o);
        case Kind::Memo:
            return qobject_cast<QPlainTextEdit*>(o);
        case Kind::StatusBar:
            return qobject_cast<QStatusBar*>(o);
        case Kind::Chart:
            return qobject_cast<QWidget*>(o);
        case Kind::Timer:
            return qobject_cast<QTimer*>(o);
        case Kind::Form:
        case Kind::SaveDialog:
        case Kind::OpenDialog:
            return o == nullptr;
    }
    return false;
}

class GuiSmokeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeHistory(t.historyPath(),
                           {test::draw(test::day(2018, 3, 29), {3, 9, 14, 22, 30, 38}, 7),
                            test::draw(test::day(2018, 4, 5), {1, 5, 17, 23, 31, 40}, 12),
                            test::draw(test::day(2018, 4, 12), {6, 11, 19, 25, 33, 36}, 4)});
        view = std::make_unique<ProgramView>(*t.app);
    }

    test::TestApp t;
    std::unique_ptr<ProgramView> view;
};

TEST_F(GuiSmokeTest, EveryControlHasItsWidgetByName) {
    for (Form* form : {static_cast<Form*>(&t.form()), static_cast<Form*>(&t.app->form3())}) {
        for (const auto& owned : form->components()) {
            const Component& c = *owned;
            QObject* o = view->objectFor(c);
            SCOPED_TRACE(form->name() + "." + c.name());
            EXPECT_TRUE(matchesKind(c.kind(), o));
            if (o) {
                EXPECT_EQ(o->objectName().toStdString(), c.name());
            }
        }
    }
}

TEST_F(GuiSmokeTest, ModelChangesReachTheWidgets) {
    TForm1& f = t.form();
    f.ProxyHostEdit->setText("proxy.example");
    EXPECT_EQ(qobject_cast<QLineEdit*>(view->widgetFor(*f.ProxyHostEdit))->text(),
              QStringLiteral("proxy.example"));
    f.SpeedButton8->setVisible(true);
    EXPECT_FALSE(view->widgetFor(*f.SpeedButton8)->isHidden());
    f.PageControl1->setActivePage(f.TabSheet4);
    EXPECT_EQ(qobject_cast<QTabWidget*>(view->widgetFor(*f.PageControl1))->currentWidget(),
              view->widgetFor(*f.TabSheet4));
    f.StatusBar1->setPanelText(1, "Hinweis");
    bool shown = false;
    for (QLabel* l : view->widgetFor(*f.StatusBar1)->findChildren<QLabel*>())
        shown = shown || l->text() == QStringLiteral("Hinweis");
    EXPECT_TRUE(shown);
}

TEST_F(GuiSmokeTest, UserInputReachesTheModel) {
    TForm1& f = t.form();
    auto* edit = qobject_cast<QLineEdit*>(view->widgetFor(*f.ProxyPortEdit));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    edit->insert(QStringLiteral("8080"));  // as typing does: textEdited
    EXPECT_EQ(f.ProxyPortEdit->text(), "8080");

    auto* tabs = qobject_cast<QTabWidget*>(view->widgetFor(*f.PageControl1));
    tabs->setCurrentWidget(view->widgetFor(*f.TabSheet3));
    EXPECT_EQ(f.PageControl1->activePage(), f.TabSheet3);
}

TEST_F(GuiSmokeTest, UpDownArrowStepsTheModel) {
    TForm3& f3 = t.app->form3();
    UpDown& ud = *f3.upDowns[0];
    const int before = ud.position();
    auto* w = view->widgetFor(ud);
    ASSERT_NE(w, nullptr);
    const auto arrows = w->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    arrows[0]->click();  // up
    EXPECT_EQ(ud.position(), before + 1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(view->widgetFor(*f3.edits[0]))->text(),
              QString::number(before + 1));
}

TEST_F(GuiSmokeTest, DrawButtonClickReachesItsHandler) {
    TForm1& f = t.form();
    f.DateTimePicker1->setDate(test::day(2018, 4, 5));
    const std::string before = f.Label29->caption();
    auto* button = qobject_cast<QAbstractButton*>(view->widgetFor(*f.SpeedButton5));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_NE(f.Label29->caption(), before);
    EXPECT_NE(f.Label29->caption().find("17"), std::string::npos) << f.Label29->caption();
    EXPECT_EQ(qobject_cast<QLabel*>(view->widgetFor(*f.Label29))->text().toStdString(),
              f.Label29->caption());
}

TEST_F(GuiSmokeTest, TheHiddenHandOverItemKeepsItsShortcut) {
    TForm1& f = t.form();
    ASSERT_FALSE(f.Abgeben1->visible());
    QShortcut* ctrlG = nullptr;
    for (QShortcut* s : view->widgetFor(*f.PageControl1)->window()->findChildren<QShortcut*>())
        if (s->key() == QKeySequence(QStringLiteral("Ctrl+G"))) ctrlG = s;
    ASSERT_NE(ctrlG, nullptr);
    EXPECT_TRUE(ctrlG->isEnabled());

    t.answer(DialogResult::No);  // the automation tool is not installed here
    emit ctrlG->activated();
    EXPECT_NE(t.takeOutput().find("Quandors Klickwerk installieren?"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(t.dir.path() / "Tipps"));

    // A visible item's own shortcut serves; the stand-in steps back.
    f.Abgeben1->setVisible(true);
    EXPECT_FALSE(ctrlG->isEnabled());
}

TEST_F(GuiSmokeTest, MainWindowOpensAtItsDesignedClientSize) {
    MainView& w = view->mainWindow();
    w.show();
    QApplication::processEvents();
    const Bounds& b = t.form().bounds();
    EXPECT_EQ(w.centralWidget()->width(), b.width);
    EXPECT_EQ(w.centralWidget()->height() + w.statusBar()->height(), b.height);
}

// A size stored on a bigger screen: the window opens on this one, whole,
// and the model takes the size it really got.
TEST_F(GuiSmokeTest, AStoredSizeTooLargeForTheScreenIsFitted) {
    MainView& w = view->mainWindow();
    ASSERT_NE(w.screen(), nullptr);
    const QRect area = w.screen()->availableGeometry();
    TForm1& f = t.form();
    f.setBounds(f.bounds().left, f.bounds().top, area.width() + 900, area.height() + 700);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(w.frameGeometry()))
        << w.frameGeometry().width() << "x" << w.frameGeometry().height();
    EXPECT_EQ(w.centralWidget()->width(), f.bounds().width);
    EXPECT_EQ(w.centralWidget()->height() + w.statusBar()->height(), f.bounds().height);
    EXPECT_LT(f.bounds().height, area.height());
}

// The pages are laid out for an inner area of 525x415 pixels; the tab
// widget's frame and tab bar must leave at least that much.
TEST_F(GuiSmokeTest, PagesHoldTheirDesignedArea) {
    MainView& w = view->mainWindow();
    w.show();
    QApplication::processEvents();
    QWidget* page = view->widgetFor(*t.form().TabSheet1);
    ASSERT_NE(page, nullptr);
    EXPECT_GE(page->width(), 525);
    EXPECT_GE(page->height(), 415);
}

// The status bar's panels show their text whole, inside the window, at the
// designed size and at a larger one.
TEST_F(GuiSmokeTest, StatusPanelsAreNotCutOff) {
    MainView& w = view->mainWindow();
    w.show();
    t.form().StatusBar1->setProgress({3, 10, "Woche 4 von 10"});
    for (const double factor : {1.0, 1.5}) {
        SCOPED_TRACE(factor);
        w.resize(w.width(), static_cast<int>(w.height() * factor));
        QApplication::processEvents();
        const QWidget* bar = view->widgetFor(*t.form().StatusBar1);
        ASSERT_NE(bar, nullptr);
        for (const QWidget* panel : bar->findChildren<QWidget*>()) {
            if (!panel->isVisible() || panel->parentWidget() != bar) continue;
            SCOPED_TRACE(panel->objectName().toStdString());
            const QRect inWindow(panel->mapTo(&w, QPoint(0, 0)), panel->size());
            EXPECT_LE(inWindow.bottom(), w.rect().bottom());
            EXPECT_GE(panel->height(), panel->fontMetrics().height());
        }
    }
}

TEST_F(GuiSmokeTest, ScreenshotOfTheMainWindowCanBeSaved) {
    MainView& w = view->mainWindow();
    w.show();
    QApplication::processEvents();
    const QString file = QString::fromStdString((t.dir.path() / "main.png").string());
    ASSERT_TRUE(w.grab().save(file));
    EXPECT_GT(QFileInfo(file).size(), 0);
}

TEST_F(GuiSmokeTest, WindowIsUpWithProgressWhileTheStartUpUpdateRuns) {
    bool shownDuringRequest = false;
    QString progressDuringRequest;
    t.platform.http = [&](const HttpRequest&) {
        shownDuringRequest = view->mainWindow().isVisible();
        auto* bar = view->mainWindow().findChild<QProgressBar*>();
        if (bar && bar->isVisible()) progressDuringRequest = bar->text();
        HttpResponse answer;
        answer.answered = true;
        answer.statusCode = 200;
        answer.statusLine = "HTTP/1.1 200 OK";
        return answer;
    };
    ASSERT_TRUE(view->start());
    EXPECT_TRUE(shownDuringRequest);
    EXPECT_EQ(progressDuringRequest, QStringLiteral("Woche 1 von 1"));
    auto* bar = view->mainWindow().findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());  // gone once the update has ended
}

// However the window is scaled, the draw text shows whole beside the ">"
// button and never runs under it.
TEST_F(GuiSmokeTest, TheDrawTextKeepsClearOfItsButtonAtEveryScale) {
    MainView& w = view->mainWindow();
    w.show();
    TForm1& f = t.form();
    f.Label35->setCaption("Wed 28.03.18    33  34  35  36  38  40   PB: 20");
    const int designed = w.height();
    for (int height = designed; height <= 2 * designed; height += 9) {
        w.resize(w.width(), height);
        QApplication::processEvents();
        auto* label = qobject_cast<QLabel*>(view->widgetFor(*f.Label35));
        const QWidget* next = view->widgetFor(*f.SpeedButton7);
        ASSERT_TRUE(label && next);
        SCOPED_TRACE(height);
        EXPECT_LE(label->geometry().right(), next->geometry().left());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    }
}

// Every text of the ticket page and of the status bar grows with the window's
// height, and a window made small again shows the page as it was designed:
// same fonts, same places.
TEST_F(GuiSmokeTest, TheWholePageScalesTogetherAndBackAgain) {
    MainView& w = view->mainWindow();
    w.show();
    QApplication::processEvents();
    t.form().groesse = t.form().bounds().height;  // as the start-up leaves it
    struct Text {
        QWidget* widget;
        int pixels;
        QRect place;
    };
    std::vector<Text> texts;
    const auto hasText = [](const QWidget* widget) {
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            return !label->text().isEmpty();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            return !button->text().isEmpty();
        return false;
    };
    QWidget* page = view->widgetFor(*t.form().TabSheet1);
    ASSERT_NE(page, nullptr);
    std::vector<QWidget*> widgets;
    for (QWidget* widget : page->findChildren<QWidget*>()) widgets.push_back(widget);
    for (QWidget* widget : w.statusBar()->findChildren<QWidget*>()) widgets.push_back(widget);
    for (QWidget* widget : widgets)
        if (widget->isVisible() && hasText(widget))
            texts.push_back({widget, QFontInfo(widget->font()).pixelSize(), widget->geometry()});
    ASSERT_GT(texts.size(), 30u);

    const int designed = w.height();
    const int designedClient = t.form().bounds().height;
    w.resize(w.width(), designed * 3 / 2);
    QApplication::processEvents();
    for (const Text& text : texts) {
        SCOPED_TRACE(text.widget->objectName().toStdString());
        // A one-line label may give up a fifth of its size to fit its room.
        EXPECT_GE(QFontInfo(text.widget->font()).pixelSize(), text.pixels * 6 / 5);
    }

    w.resize(w.width(), designed);
    QApplication::processEvents();
    EXPECT_EQ(t.form().bounds().height, designedClient);
    for (const Text& text : texts) {
        SCOPED_TRACE(text.widget->objectName().toStdString());
        EXPECT_EQ(QFontInfo(text.widget->font()).pixelSize(), text.pixels);
        EXPECT_EQ(text.widget->geometry(), text.place);
    }
}

// The menu bar is always as high as its texts, whatever their script and
// the window's scale: a lower bar hides every item behind its overflow arrow.
TEST_F(GuiSmokeTest, TheMenuBarHoldsItsItemsInEveryScriptAndScale) {
    MainView& w = view->mainWindow();
    w.show();
    QApplication::processEvents();
    t.form().groesse = t.form().bounds().height;  // as the start-up leaves it
    TForm1& f = t.form();
    f.Aktualisieren1->setCaption("ड्रॉ परिणाम लोड करें (&Z)");
    f.Berechnen1->setCaption("计算(&B)");
    QApplication::processEvents();
    const int designed = w.height();
    for (const int height : {designed, designed * 3 / 2, designed * 2, designed}) {
        SCOPED_TRACE(height);
        w.resize(w.width(), height);
        QApplication::processEvents();
        EXPECT_GE(w.menuBar()->height(), w.menuBar()->sizeHint().height());
        EXPECT_EQ(w.menuBar()->height() + f.bounds().height, w.height());
        for (MenuItem* item : {f.Aktualisieren1, f.Berechnen1, f.Schlieen1}) {
            auto* action = qobject_cast<QAction*>(view->objectFor(*item));
            ASSERT_NE(action, nullptr);
            EXPECT_FALSE(w.menuBar()->actionGeometry(action).isEmpty()) << item->name();
        }
    }
}

// The comparison with chance is a text to read: a long sentence wraps at the
// box's width instead of running out of sight behind a scroll bar.
TEST_F(GuiSmokeTest, TheComparisonTextWrapsItsLongSentences) {
    TChanceForm& chance = t.app->chanceForm();
    std::string sentence;
    for (int i = 0; i < 60; ++i) sentence += "Reihen gewannen ";
    chance.Memo1->setLines({"Vergleich mit dem Zufall", sentence});
    auto* memo = qobject_cast<QPlainTextEdit*>(view->objectFor(*chance.Memo1));
    ASSERT_NE(memo, nullptr);
    memo->window()->show();
    QApplication::processEvents();
    EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);
    memo->window()->hide();
}

// The rightmost column of a picture with ink on it (-1 for none).
int inkRight(const QImage& image) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

// The draw text shows whole beside the ">" button, also when it only just
// fits by its measured width (a language's day name, a font that runs a
// little wider): the label is drawn as far to the right as the same text
// drawn with room to spare.
TEST_F(GuiSmokeTest, TheDrawTextIsNeverCutAtTheEdgeOfItsLabel) {
    MainView& w = view->mainWindow();
    w.show();
    QApplication::processEvents();
    TForm1& f = t.form();
    auto* label = qobject_cast<QLabel*>(view->widgetFor(*f.Label35));
    const QWidget* next = view->widgetFor(*f.SpeedButton7);
    ASSERT_TRUE(label && next);
    const QFontMetrics pageFont(label->parentWidget()->font());
    for (int extra = 0; extra < 6; ++extra) {
        std::string caption = "Do. 12.04.18    14  16  18  31  32  33   PB: 17";
        while (pageFont.horizontalAdvance(QString::fromStdString(caption)) < label->width() - 12)
            caption.insert(caption.find("PB"), " ");
        caption += std::string(static_cast<std::size_t>(extra), '7');
        f.Label35->setCaption(caption);
        QApplication::processEvents();
        SCOPED_TRACE(caption);
        EXPECT_LE(label->geometry().right(), next->geometry().left());
        QLabel roomy;
        roomy.setFont(label->font());
        roomy.setText(label->text());
        roomy.resize(2 * label->width(), label->height());
        EXPECT_EQ(inkRight(label->grab().toImage()), inkRight(roomy.grab().toImage()));
    }
}

// Leaving an up-down's edit or pressing Enter in it makes the edit show the
// position in use: out of range clamped, not a number put back.
TEST_F(GuiSmokeTest, UpDownEditShowsThePositionUsedOnceLeft) {
    TForm3& f3 = t.app->form3();
    UpDown& ud = *f3.upDowns[0];
    auto* edit = qobject_cast<QLineEdit*>(view->widgetFor(*f3.edits[0]));
    ASSERT_NE(edit, nullptr);
    const int before = ud.position();
    struct Case {
        QString typed;
        bool byEnter;
        int expected;
    };
    const Case cases[] = {{QStringLiteral("612"), false, ud.max()},
                          {QStringLiteral("-5"), true, ud.min()},
                          {QStringLiteral("x7"), false, ud.min()},
                          {QString::number(before), true, before}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        edit->selectAll();
        edit->insert(c.typed);
        if (c.byEnter) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
        } else {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(edit, &out);
        }
        EXPECT_EQ(ud.position(), c.expected);
        EXPECT_EQ(edit->text(), QString::number(c.expected));
        EXPECT_EQ(f3.edits[0]->text(), std::to_string(c.expected));
    }
}

// Leaving a ticket cell sorts its row; the cell the player moved to may get
// another number. The focus goes with the number it was on, so that what the
// player types next replaces that number and no other.
TEST_F(GuiSmokeTest, TheFocusStaysWithItsNumberWhenTheRowIsSorted) {
    TForm1& f = t.form();
    f.sortieren = true;
    f.PageControl1->setActivePage(f.TabSheet1);
    MainView& w = view->mainWindow();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const TicketRow& row = f.ticket.rows[0];
    const std::array<const char*, 6> numbers{"5", "10", "15", "20", "25", "30"};
    for (std::size_t k = 0; k < numbers.size(); ++k) row.numbers[k]->setText(numbers[k]);
    row.powerball->setText("7");
    auto cell = [&](std::size_t k) {
        return qobject_cast<QLineEdit*>(view->widgetFor(*row.numbers[k]));
    };
    cell(0)->setFocus(Qt::MouseFocusReason);
    cell(0)->selectAll();
    QTest::keyClicks(cell(0), QStringLiteral("22"));
    cell(1)->setFocus(Qt::TabFocusReason);  // to the 10, which sorts to the front
    QApplication::processEvents();

    std::vector<std::string> sorted;
    for (const Edit* e : row.numbers) sorted.push_back(e->text());
    EXPECT_EQ(sorted, (std::vector<std::string>{"10", "15", "20", "22", "25", "30"}));
    ASSERT_EQ(QApplication::focusWidget(), cell(0));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
    std::vector<std::string> typed;
    for (const Edit* e : row.numbers) typed.push_back(e->text());
    EXPECT_EQ(typed, (std::vector<std::string>{"3", "15", "20", "22", "25", "30"}));
}

// A year or a whole date typed into the start date of the statistics is the
// date the charts count from; one before the first draw counts from that.
TEST_F(GuiSmokeTest, ATypedStartDateIsTaken) {
    TForm1& f = t.form();
    f.PageControl1->setActivePage(f.TabSheet5);
    MainView& w = view->mainWindow();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* date = qobject_cast<QDateEdit*>(view->widgetFor(*f.DateTimePicker2));
    ASSERT_NE(date, nullptr);
    struct Case {
        QDateTimeEdit::Section section;
        QString typed;
        double expected;
    };
    f.DateTimePicker2->setDate(test::day(2017, 3, 1));
    const Case cases[] = {
        {QDateTimeEdit::YearSection, QStringLiteral("2013"), test::day(2013, 3, 7)},
        {QDateTimeEdit::MonthSection, QStringLiteral("11252016"), test::day(2016, 11, 25)},
        {QDateTimeEdit::YearSection, QStringLiteral("2015"), test::day(2015, 11, 25)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        date->setFocus(Qt::MouseFocusReason);
        date->setSelectedSection(c.section);
        QTest::keyClicks(date, c.typed);
        QTest::keyClick(date, Qt::Key_Return);
        EXPECT_EQ(f.DateTimePicker2->date(), c.expected);
    }
}

// Ctrl+A selects the text of the field the cursor is in; elsewhere it is the
// menu's shortcut for the update.
TEST_F(GuiSmokeTest, CtrlASelectsAFieldsTextAndUpdatesElsewhere) {
    TForm1& f = t.form();
    MainView& w = view->mainWindow();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    int requests = 0;
    t.platform.http = [&](const HttpRequest&) {
        ++requests;
        return HttpResponse{};
    };
    f.PageControl1->setActivePage(f.TabSheet3);
    f.ProxyHostEdit->setText("proxy.example");
    QApplication::processEvents();
    auto* edit = qobject_cast<QLineEdit*>(view->widgetFor(*f.ProxyHostEdit));
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    edit->deselect();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("proxy.example"));
    EXPECT_EQ(requests, 0);

    t.answer(DialogResult::Ok);  // whatever the failed update says
    QWidget* button = view->widgetFor(*f.BitBtn1);
    button->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(button, Qt::Key_A, Qt::ControlModifier);
    EXPECT_GT(requests, 0);
}

TEST_F(GuiSmokeTest, DialogsPressOkOnEnter) {
    int dialogsWithOk = 0;
    for (Form* form : t.app->forms()) {
        for (const auto& owned : form->components()) {
            if (owned->kind() != Kind::BitBtn && owned->kind() != Kind::Button) continue;
            if (static_cast<Button&>(*owned).modalResult != DialogResult::Ok) continue;
            SCOPED_TRACE(form->name() + "." + owned->name());
            auto* button = qobject_cast<QPushButton*>(view->widgetFor(*owned));
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isDefault());
            ++dialogsWithOk;
        }
    }
    EXPECT_GE(dialogsWithOk, 2);  // manual entry, number-choice list
}

}  // namespace
}  // namespace kugel

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
