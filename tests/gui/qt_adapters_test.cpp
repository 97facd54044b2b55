#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QLocale>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "qt/qt_conversions.h"
#include "qt/qt_platform.h"
#include "qt/qt_translations.h"
#include "qt/window_fit.h"
#include "qtcore/qsettings_store.h"
#include "shell/settings_store.h"
#include "support/test_app.h"

namespace kugel {
namespace {

TEST(QtTranslations, QtsOwnTextsFollowTheChosenLanguage) {
    const auto cancel = [] {
        return QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString();
    };
    const struct {
        const char* locale;
        bool loaded;
        const char* cancel;
    } cases[] = {
        {"de", true, "Abbrechen"}, {"fr", true, "Annuler"},
        {"hi", false, "Cancel"},  // none for Hindi: Qt's English, not the French before
        {"ru", true, "Отмена"},    {"pt_PT", true, "Cancelar"},  // from pt_BR
        {"zh_CN", true, "取消"},   {"es", true, "Cancelar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(loadQtTranslations(QString::fromUtf8(c.locale)), c.loaded);
        EXPECT_EQ(cancel(), c.cancel);
        EXPECT_EQ(QLocale().name().left(2), QString::fromUtf8(c.locale).left(2));
    }
    loadQtTranslations(QStringLiteral("de"));
}

TEST(QtTranslations, OpenWindowsAndCalendarsFollowTheChosenLanguage) {
    QDateEdit edit;
    edit.setCalendarPopup(true);
    const QCalendarWidget* calendar = edit.calendarWidget();  // its pop-up exists now
    ASSERT_NE(calendar, nullptr);
    for (const auto& [name, language] :
         {std::pair{"it", QLocale::Italian}, {"ru", QLocale::Russian}}) {
        SCOPED_TRACE(name);
        loadQtTranslations(QString::fromUtf8(name));
        EXPECT_EQ(edit.locale().language(), language);
        EXPECT_EQ(calendar->locale().language(), language);
    }
    loadQtTranslations(QStringLiteral("de"));
}

TEST(QtFileFilter, ClassicFilterPairsBecomeQtFilters) {
    const struct {
        const char* classic;
        const char* qt;
    } cases[] = {
        {"Textdatei|*.txt", "Textdatei (*.txt)"},
        {"Tipps|*.qlt|Alle Dateien|*.*", "Tipps (*.qlt);;Alle Dateien (*)"},
        {"Bilder|*.bmp;*.png", "Bilder (*.bmp *.png)"},
        {"", ""},
        {"Ohne Muster", ""},  // a name without its pattern is no filter
    };
    for (const auto& c : cases) EXPECT_EQ(qtFileFilter(c.classic).toStdString(), c.qt) << c.classic;
}

TEST(ShortDatePattern, QtFormatsReduceToTheModelsLetters) {
    const struct {
        const char* qt;
        const char* pattern;
    } cases[] = {
        {"dd.MM.yy", "dd.MM.yy"},     {"M/d/yy", "M/d/yy"},
        {"d/MM/yyyy", "d/MM/yyyy"},   {"yyyy-MM-dd", "yyyy-MM-dd"},
        {"d MMM yyyy", "dd.MM.yyyy"}, {"dddd, d.M.yy", "d.M.yy"},
        {"dd'.'MM'.'yy", "dd.MM.yy"}, {"yy'年'M'月'd'日'", "yy年M月d日"},
        {"d 'de' M", "d  M"},  // quoted text with pattern letters is dropped
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortDatePattern(QString::fromUtf8(c.qt)), c.pattern) << c.qt;
}

TEST(ShortDatePattern, EditorShowsFourDigitYears) {
    EXPECT_EQ(editorDateFormat("dd.MM.yy"), QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(editorDateFormat("yyyy-MM-dd"), QStringLiteral("yyyy-MM-dd"));
}

TEST(LocaleInfo, DayNamesStartWithSunday) {
    const LocaleInfo de = localeInfoOf(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.shortDayNames[0],
              QLocale(QLocale::German).dayName(7, QLocale::ShortFormat).toStdString());
    EXPECT_EQ(de.shortDayNames[1],
              QLocale(QLocale::German).dayName(1, QLocale::ShortFormat).toStdString());
    EXPECT_EQ(de.shortDateFormat, "dd.MM.yy");
    const LocaleInfo us = localeInfoOf(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.shortDayNames[0], "Sun");
    EXPECT_EQ(us.shortDayNames[6], "Sat");
    EXPECT_EQ(us.shortDateFormat, "M/d/yy");
}

// The designed window is German: before any language is applied its draw
// text names the day in German, whatever the system's locale; a language
// applied later brings its own names.
TEST(LocaleInfo, DayNamesAreGermanUntilALanguageIsApplied) {
    QtPlatform platform(QDir::tempPath().toStdString());
    const std::string thursday =
        QLocale(QLocale::German).dayName(4, QLocale::ShortFormat).toStdString();
    EXPECT_EQ(platform.locale().shortDayNames[4], thursday);
    platform.languageChanged("en");
    EXPECT_EQ(platform.locale().shortDayNames[4], "Thu");
    platform.languageChanged("de");
    EXPECT_EQ(platform.locale().shortDayNames[4], thursday);
}

TEST(DayValues, CalendarDatesRoundTrip) {
    const struct {
        int y, m, d;
    } cases[] = {{1899, 12, 30}, {1900, 3, 1}, {2013, 3, 7}, {2018, 4, 20}, {100, 1, 1}};
    for (const auto& c : cases) {
        const double day = test::day(c.y, c.m, c.d);
        EXPECT_EQ(dayOfDate(QDate(c.y, c.m, c.d)), day) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(dateOfDay(day), QDate(c.y, c.m, c.d));
        EXPECT_EQ(dateOfDay(day + 0.75), QDate(c.y, c.m, c.d));  // the time does not count
    }
}

TEST(Mnemonics, LabelsShowCaptionsWithoutMarks) {
    EXPECT_EQ(withoutMnemonics("&Datenbank aktualisieren"),
              QStringLiteral("Datenbank aktualisieren"));
    EXPECT_EQ(withoutMnemonics("Tom && Jerry"), QStringLiteral("Tom & Jerry"));
    EXPECT_EQ(withoutMnemonics("Sprache/&Language"), QStringLiteral("Sprache/Language"));
}

TEST(PlainColor, ClassicEncodingIsBlueGreenRed) {
    EXPECT_EQ(plainColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(plainColor(clGreen), QColor(0, 128, 0));
    EXPECT_EQ(plainColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_FALSE(plainColor(clWindow).has_value());
}

TEST(QSettingsStoreIni, ValuesSurviveReopening) {
    test::TempDir dir;
    const std::string ini = (dir.path() / "settings.ini").string();
    const std::string binary("\x00\x01\xFFz\n", 5);
    {
        auto store = QSettingsStore::iniFile(ini, "Settings");
        EXPECT_FALSE(store->contains("Sprache"));
        EXPECT_FALSE(store->readInt("Sprache").has_value());
        store->writeInt("Sprache", 2);
        store->writeInt("Negativ", -17);
        store->writeString("URLEdit", "http://127.0.0.1:8080/ äöü");
        store->writeBinary("Tipps", binary);
        store->flush();
    }
    auto store = QSettingsStore::iniFile(ini, "Settings");
    EXPECT_TRUE(store->contains("Sprache"));
    EXPECT_EQ(store->readInt("Sprache"), 2);
    EXPECT_EQ(store->readInt("Negativ"), -17);
    EXPECT_EQ(store->readString("URLEdit"), "http://127.0.0.1:8080/ äöü");
    EXPECT_EQ(store->readBinary("Tipps"), binary);
    EXPECT_FALSE(store->readInt("URLEdit").has_value());  // not a number
    // Another group of the same file sees none of it.
    auto other = QSettingsStore::iniFile(ini, "Andere");
    EXPECT_FALSE(other->contains("Sprache"));
}

// A line QSettings cannot parse leaves it in its format error for good; the
// values written after it still reach the file, so no write failed.
TEST(QSettingsStoreIni, ADamagedLineIsNoFailureToWrite) {
    test::TempDir dir;
    const auto ini = dir.path() / "settings.ini";
    std::ofstream(ini) << "[General]\nSprache=2\nkaputt\n";
    {
        auto store = QSettingsStore::iniFile(ini.string());
        EXPECT_EQ(store->readInt("Sprache"), 2);
        store->writeInt("Edit1", 7);
        EXPECT_NO_THROW(store->flush());
    }
    EXPECT_EQ(QSettingsStore::iniFile(ini.string())->readInt("Edit1"), 7);
}

TEST(WindowFit, TheWindowIsBroughtWhollyOntoTheAvailableArea) {
    const ScreenRect area{0, 0, 1024, 740};  // a 1024x768 screen less its panel
    const struct {
        const char* what;
        ScreenRect window;
        ScreenRect fitted;
    } cases[] = {
        {"fits: unchanged", {40, 30, 533, 500}, {40, 30, 533, 500}},
        {"saved on a wider screen", {40, 30, 1867, 700}, {0, 30, 1024, 700}},
        {"too high and too wide", {10, 10, 2132, 1848}, {0, 0, 1024, 740}},
        {"hanging over the right and bottom edges", {900, 600, 533, 500}, {491, 240, 533, 500}},
        {"left of and above the area", {-300, -50, 533, 500}, {0, 0, 533, 500}},
        {"absurd position", {2147483000, -2147483000, 600, 400}, {424, 0, 600, 400}},
        {"absurd size", {0, 0, 2147483647, 2147483647}, {0, 0, 1024, 740}},
        {"no size", {5, 5, 0, -3}, {5, 5, 1, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(fitToArea(c.window, area), c.fitted) << c.what;
    // A second screen to the right, below a taller first one's top.
    EXPECT_EQ(fitToArea({100, 0, 800, 700}, {1920, 120, 1280, 984}),
              (ScreenRect{1920, 120, 800, 700}));
}

// A damaged store is copied beside itself before anything is written, one
// copy at a time.
TEST(QSettingsStoreIni, ADamagedStoreIsCopiedBesideItself) {
    test::TempDir dir;
    const auto ini = dir.path() / "settings.ini";
    const auto read = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    };
    std::ofstream(ini) << "[General]\nNeuerSchein=kaputt\nEdit1=7\nEdit93=12\n";
    std::ofstream(dir.path() / "settings.ini.damaged") << "an older copy";
    const std::string planted = read(ini);
    {
        auto store = QSettingsStore::iniFile(ini.string());
        test::TestApp t;
        test::writeHistory(t.historyPath(), {test::draw(ErsteZiehung, {1, 2, 3, 4, 5, 6}, 7)});
        t.platform.setSettings(store.get());
        t.platform.http = [](const HttpRequest&) { return HttpResponse{}; };
        t.answer(DialogResult::Ok);
        t.app->start();
        const std::string copy = (dir.path() / "settings.ini.damaged").string();
        EXPECT_NE(t.takeOutput().find("Eine Kopie der Einstellungen liegt in \\\"" + copy),
                  std::string::npos);
        t.app->close();
    }
    EXPECT_EQ(read(dir.path() / "settings.ini.damaged"), planted);
    const std::string after = read(ini);
    EXPECT_NE(after.find("NeuerSchein=kaputt"), std::string::npos) << after;
    EXPECT_NE(after.find("Edit1=7"), std::string::npos) << after;
    EXPECT_NE(after.find("Edit93=12"), std::string::npos) << after;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().rfind("settings.ini", 0), 0u) << entry.path();

    auto memory = QSettingsStore::native("Quandor", "KugelAU-test-no-such-app");
    EXPECT_FALSE(memory->keepDamagedCopy().has_value());  // no file yet, nothing to copy
}

TEST(QSettingsStoreIni, TheTicketAndTheSettingsSurviveTheNextStart) {
    test::TempDir dir;
    const std::string ini = (dir.path() / "settings.ini").string();
    {
        auto store = QSettingsStore::iniFile(ini);
        test::TestApp t;
        t.platform.setSettings(store.get());
        t.form().ticket.rows[0].numbers[0]->setText("5");
        t.form().ticket.rows[0].powerball->setText("19");
        t.form().DateTimePicker2->setDate(test::day(2017, 2, 2));
        t.form().sprache = 8;
        t.form().run("FormClose", &t.form());
    }
    // Dates and the print font style are kept as bytes, the rest as numbers and texts.
    std::ifstream file(ini);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    EXPECT_NE(text.find("DateTimePicker2=@ByteArray("), std::string::npos);
    EXPECT_NE(text.find("DruckSchrift=@ByteArray(\\0)"), std::string::npos);
    EXPECT_NE(text.find("Sprache=8"), std::string::npos);

    auto store = QSettingsStore::iniFile(ini);
    test::TestApp next;
    next.platform.setSettings(store.get());
    restoreSettings(next.form());
    restoreNetworkAndDateSettings(next.form());
    EXPECT_EQ(next.form().ticket.rows[0].numbers[0]->text(), "5");
    EXPECT_EQ(next.form().ticket.rows[0].powerball->text(), "19");
    EXPECT_EQ(next.form().DateTimePicker2->date(), test::day(2017, 2, 2));
    EXPECT_EQ(next.form().sprache, 8);
    // A text where a date belongs is damaged: the start date falls back.
    store->writeString("DateTimePicker2", "gestern");
    restoreNetworkAndDateSettings(next.form());
    EXPECT_EQ(next.form().DateTimePicker2->date(), ErsteZiehung);
}

}  // namespace
}  // namespace kugel
