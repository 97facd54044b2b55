#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <stdexcept>

#include "output/print_settings_dialog.h"
#include "platform/durable_file.h"
#include "shell/settings_store.h"
#include "shell/settings_table.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using test::day;

// Every value the table reaches, as text: what a restore puts in place and a
// save takes.
std::map<std::string, std::string> snapshot(Application& app) {
    std::map<std::string, std::string> out;
    for (const StoredSetting& s : settingsTable()) {
        if (s.step || s.property.empty()) continue;
        Form* form = app.form(s.form);
        EXPECT_NE(form, nullptr) << s.key;
        if (!form) continue;
        std::optional<std::string> v;
        if (s.control.empty()) {
            const Field* f = form->field(s.property);
            EXPECT_NE(f, nullptr) << s.key;
            if (f) v = f->get();
        } else {
            const Component* c = form->find(s.control);
            EXPECT_NE(c, nullptr) << s.key;
            if (c) v = c->property(s.property);
        }
        EXPECT_TRUE(v.has_value()) << s.key;
        out[s.key] = v.value_or("?");
    }
    return out;
}

std::string dateBytes(double d) {
    std::string bytes(sizeof d, '\0');
    std::memcpy(bytes.data(), &d, sizeof d);
    return bytes;
}

// A store that fails when one value is written.
class FailingStore : public MemorySettingsStore {
  public:
    explicit FailingStore(std::string failAt) : failAt_(std::move(failAt)) {}
    void writeInt(const std::string& name, int v) override {
        check(name);
        MemorySettingsStore::writeInt(name, v);
    }
    void writeString(const std::string& name, const std::string& v) override {
        check(name);
        MemorySettingsStore::writeString(name, v);
    }
    void writeBinary(const std::string& name, const std::string& v) override {
        check(name);
        MemorySettingsStore::writeBinary(name, v);
    }

  private:
    void check(const std::string& name) const {
        if (name == failAt_) throw std::runtime_error("write failed");
    }
    std::string failAt_;
};

// A store whose writing out fails, as a settings file without write access.
class UnwritableStore : public MemorySettingsStore {
  public:
    void flush() override { throw FileError(FileOperation::Write, "/etc/KugelAU.conf", EACCES); }
};

TEST(SettingsStore, FreshUserKeepsTheDesignedState) {
    test::TestApp t;
    const auto designed = snapshot(*t.app);
    restoreSettings(t.form());
    restoreNetworkAndDateSettings(t.form());
    auto restored = snapshot(*t.app);
    EXPECT_EQ(restored["Sprache"], "2");
    EXPECT_EQ(restored["URLEdit"], "http://127.0.0.1:8089");
    EXPECT_EQ(restored["DateTimePicker2"], "2013-03-07");
    for (const char* changed : {"Sprache", "URLEdit"}) restored.erase(changed);
    auto expected = designed;
    for (const char* changed : {"Sprache", "URLEdit"}) expected.erase(changed);
    EXPECT_EQ(restored, expected);
}

TEST(SettingsStore, EverythingSavedComesBackAtTheNextStart) {
    MemorySettingsStore store;
    std::map<std::string, std::string> before;
    {
        test::TestApp t;
        t.platform.setSettings(&store);
        TForm1& f = t.form();
        // A typed ticket row, changed settings of every kind.
        f.ticket.rows[2].numbers[0]->setText("7");
        f.ticket.rows[2].numbers[1]->setText("33");
        f.ticket.rows[2].powerball->setText("12");
        f.settings.CheckBox2->setChecked(!f.settings.CheckBox2->checked());
        f.settings.RadioButton3->setChecked(true);
        f.settings.UpDown7->setPosition(250);
        f.settings.UpDown6->setPosition(6);
        f.ProxyHostEdit->setText("proxy.example");
        f.ProxyPortEdit->setText("3128");
        f.DateTimePicker2->setDate(day(2016, 5, 5));
        f.sprache = 6;
        f.setBounds(f.bounds().left, f.bounds().top, 700, 600);
        t.app->form("Form8")->find("Edit14")->setProperty("Text", "42");
        t.app->form("Form8")->find("RadioGroup1")->setProperty("ItemIndex", "1");
        auto& form5 = static_cast<TForm5&>(*t.app->form("Form5"));
        form5.setPrintFont({5, 255, 14, "Liberation Serif"});
        before = snapshot(*t.app);
        saveSettings(f);
    }
    EXPECT_FALSE(store.contains("Losnummer"));
    EXPECT_FALSE(store.contains("Spiel77Ja"));
    EXPECT_EQ(store.readBinary("DruckSchrift"), std::string(1, '\5'));
    EXPECT_EQ(store.readBinary("DateTimePicker2"), dateBytes(day(2016, 5, 5)));

    test::TestApp next;
    next.platform.setSettings(&store);
    next.form().groesse = next.form().bounds().height;
    restoreSettings(next.form());
    restoreNetworkAndDateSettings(next.form());
    EXPECT_EQ(snapshot(*next.app), before);
    EXPECT_EQ(next.form().ticket.rows[2].numbers[1]->text(), "33");
    EXPECT_EQ(next.form().groesse, 600);  // the restored height scaled the pages
}

TEST(SettingsStore, UpDown6AboveFiveNeedsThePowerballCheckBox) {
    for (const bool powerballCounts : {false, true}) {
        test::TestApp t;
        MemorySettingsStore store;
        store.writeInt("Chekcbox31", powerballCounts ? 1 : 0);
        store.writeInt("UpDown6", 7);
        t.platform.setSettings(&store);
        restoreSettings(t.form());
        EXPECT_EQ(t.form().settings.UpDown6->position(), powerballCounts ? 7 : 5);
    }
}

TEST(SettingsStore, ClosingWhileMaximisedKeepsTheStoredSize) {
    test::TestApp t;
    MemorySettingsStore store;
    store.writeInt("height", 500);
    store.writeInt("width", 600);
    t.platform.setSettings(&store);
    TForm1& f = t.form();
    f.setBounds(0, 0, 1900, 1000);
    f.windowState = TForm1::WindowState::Maximized;
    saveSettings(f);
    EXPECT_EQ(store.readInt("height"), 500);
    EXPECT_EQ(store.readInt("width"), 600);
    f.windowState = TForm1::WindowState::Normal;
    saveSettings(f);
    EXPECT_EQ(store.readInt("height"), 1000);
}

TEST(SettingsStore, ADamagedValueEndsOnlyItsGroup) {
    test::TestApp t;
    MemorySettingsStore store;
    store.writeInt("Chekcbox3", 0);          // designed checked
    store.writeString("Chekcbox4", "oops");  // damaged: the rest of group B stays designed
    store.writeInt("Chekcbox5", 0);
    store.writeInt("Sprache", 3);
    store.writeString("Edit1", "17");           // group C is read all the same
    store.writeString("DateTimePicker2", "x");  // not a date: the first draw
    t.platform.setSettings(&store);
    TForm1& f = t.form();
    f.DateTimePicker2->setDate(day(2015, 1, 1));
    restoreSettings(f);
    restoreNetworkAndDateSettings(f);
    EXPECT_FALSE(f.settings.CheckBox3->checked());
    EXPECT_TRUE(f.settings.CheckBox5->checked());
    EXPECT_EQ(f.sprache, 0);  // the designed German texts stay
    EXPECT_EQ(f.ticket.rows[0].numbers[0]->text(), "17");
    EXPECT_EQ(f.DateTimePicker2->date(), ErsteZiehung);
}

TEST(SettingsStore, ValuesOfEarlierVersionsAreAccepted) {
    test::TestApp t;
    MemorySettingsStore store;
    store.writeString("NeuerSchein", "true");  // once a flag
    store.writeString("Browser", "iexplore");  // once a text
    store.writeString("Losnummer", "0815-4711");
    store.writeInt("DruckFontSize", 20);  // without "DruckSchrift": not read
    t.platform.setSettings(&store);
    TForm1& f = t.form();
    restoreSettings(f);
    EXPECT_EQ(f.neuerSchein, 1);
    EXPECT_FALSE(f.CheckBox21->checked());
    EXPECT_EQ(f.Losnummer->caption(), "0815-4711");
    EXPECT_EQ(static_cast<TForm5*>(t.app->form("Form5"))->printFont().size, 10);
}

TEST(SettingsStore, AnUnreadableTicketFlagEndsTheStartUp) {
    test::TestApp t;
    MemorySettingsStore store;
    store.writeString("NeuerSchein", "kaputt");
    store.writeInt("Sprache", 5);
    t.platform.setSettings(&store);
    int requests = 0;
    t.platform.http = [&](const HttpRequest&) {
        ++requests;
        return HttpResponse{};
    };
    test::writeHistory(t.historyPath(), {test::draw(ErsteZiehung, {1, 2, 3, 4, 5, 6}, 7)});
    t.answer(DialogResult::Ok);
    t.app->start();
    EXPECT_NE(t.takeOutput().find("messagebox \"Kugelmeister\" \"Ungültiger Datentyp für "
                                  "'NeuerSchein'"),
              std::string::npos);
    EXPECT_EQ(requests, 0);          // no download
    EXPECT_EQ(t.form().sprache, 0);  // nor the rest of the settings
}

// A stored player's ticket and settings, each value as the program writes it.
MemorySettingsStore playersStore() {
    MemorySettingsStore store;
    store.writeInt("NeuerSchein", 1);
    store.writeInt("Chekcbox2", 0);
    store.writeInt("Chekcbox5", 0);
    store.writeInt("RadioButton3", 1);
    store.writeInt("height", 600);
    store.writeInt("width", 700);
    store.writeInt("UpDown1", 60);
    store.writeInt("UpDown7", 250);
    const char* row[] = {"3", "9", "17", "22", "31", "40"};
    for (int k = 0; k < 6; ++k) store.writeString("Edit" + std::to_string(k + 1), row[k]);
    store.writeString("Edit93", "7");
    store.writeString("Edit14F8", "42");
    store.writeBinary("DruckSchrift", std::string(1, '\1'));
    store.writeInt("DruckFontSize", 14);
    store.writeString("ProxyHostEdit", "proxy.example");
    store.writeBinary("DateTimePicker2", dateBytes(day(2016, 5, 5)));
    return store;
}

// One damaged value, whatever its group, is named once; the program still
// finds its history, and the close puts no default over a stored value that
// was not read, so the ticket and the settings are there at the next start.
TEST(SettingsStore, ADamagedValueKeepsTheStoredTicketAndSettingsThroughAClose) {
    struct Case {
        const char* key;
        const char* damage;  // a text where the store wants another type
    };
    const Case cases[] = {
        {"NeuerSchein", "kaputt"}, {"Chekcbox4", "oops"}, {"UpDown5", "x"},
        {"DruckSchrift", "bb"},    {"RadioF8", "zz"},     {"DateTimePicker2", "1.2."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        MemorySettingsStore store = playersStore();
        store.writeString(c.key, c.damage);
        const auto before = store.values;

        test::TestApp t;
        t.platform.setSettings(&store);
        t.platform.http = [](const HttpRequest&) { return HttpResponse{}; };
        test::writeHistory(t.historyPath(), {test::draw(ErsteZiehung, {1, 2, 3, 4, 5, 6}, 7)});
        t.form().ZahlenFile.clear();
        t.answer(DialogResult::Ok);
        t.app->start();
        const std::string out = t.takeOutput();
        EXPECT_EQ(t.platform.queuedAnswers(), 0u) << out;
        EXPECT_EQ(out.find("messagebox", out.find("messagebox") + 1), std::string::npos) << out;
        EXPECT_NE(out.find("Ungültiger Datentyp für '" + std::string(c.key) + "'"),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find("Die gespeicherten Werte bleiben erhalten"), std::string::npos);
        EXPECT_EQ(t.form().ZahlenFile, "Powerball.dat");
        EXPECT_TRUE(t.form().sortieren);
        ASSERT_TRUE(store.damagedCopy.has_value());
        EXPECT_EQ(*store.damagedCopy, before);

        t.app->close();
        for (const auto& [key, value] : before) EXPECT_EQ(store.values[key], value) << key;

        // What the player changes after such a start is saved all the same.
        const bool checked = !t.form().settings.CheckBox5->checked();
        t.form().settings.CheckBox5->setChecked(checked);
        t.form().ticket.rows[0].powerball->setText("12");
        saveSettings(t.form());
        EXPECT_EQ(store.readInt("Chekcbox5"), checked ? 1 : 0);
        EXPECT_EQ(store.readString("Edit93"), "12");
        EXPECT_EQ(store.values[c.key], before.at(c.key));
    }
}

TEST(SettingsStore, AFailedWriteEndsTheSaveAndKeepsWhatWasWritten) {
    struct Case {
        const char* failAt;
        const char* written;
        const char* notWritten;
    };
    for (const Case& c :
         {Case{"UpDown1", "Chekcbox1", "Edit1"}, Case{"Land", "DateTimePicker2", "Edit1F8"},
          Case{"Edit1F8", "Land", "RadioF8"}, Case{"Edit1F8", "Land", "DruckSchrift"}}) {
        test::TestApp t;
        FailingStore store(c.failAt);
        t.platform.setSettings(&store);
        EXPECT_EQ(saveSettings(t.form()),
                  "Die Einstellungen wurden nicht gespeichert: write failed");
        EXPECT_TRUE(store.contains(c.written)) << c.failAt;
        EXPECT_FALSE(store.contains(c.notWritten)) << c.failAt;
    }
}

// Closing with settings that cannot be written: the program still closes,
// and says that the settings of this session are lost.
TEST(SettingsStore, AFailedSaveIsSaidOnClosing) {
    struct Case {
        bool writable;
        const char* said;  // empty: no message box
    };
    const Case cases[] = {
        {true, ""},
        {false,
         "Die Einstellungen wurden nicht gespeichert: Die Datei kann nicht geschrieben werden: "
         "\\\"/etc/KugelAU.conf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.writable);
        test::TestApp t;
        UnwritableStore unwritable;
        if (!c.writable) t.platform.setSettings(&unwritable);
        if (*c.said) t.answer(DialogResult::Ok);
        t.takeOutput();
        t.app->requestClose();
        const std::string out = t.takeOutput();
        EXPECT_TRUE(t.app->closed());
        if (*c.said)
            EXPECT_NE(out.find(std::string("messagebox \"Kugelmeister\" \"") + c.said),
                      std::string::npos)
                << out;
        else
            EXPECT_EQ(out.find("messagebox"), std::string::npos) << out;
    }
}

}  // namespace
}  // namespace kugel
