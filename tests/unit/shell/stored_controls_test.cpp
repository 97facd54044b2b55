#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "controls/component.h"
#include "model/main_window.h"
#include "shell/settings_table.h"
#include "support/test_app.h"

namespace kugel {
namespace {

bool takesInput(Kind k) {
    return k == Kind::Edit || k == Kind::UpDown || k == Kind::CheckBox || k == Kind::RadioButton ||
           k == Kind::ComboBox || k == Kind::DateTimePicker;
}

// Every input control of the main window keeps what the player set between
// runs, unless its row says it is not stored: a control added later without
// saying so, or said stored and left out of the settings table, fails here
// instead of silently forgetting its value.
TEST(StoredControls, EveryInputOfTheMainWindowSaysWhetherItIsStored) {
    test::TestApp t;
    std::set<std::string> stored;
    for (const StoredSetting& s : settingsTable())
        if (s.form == "Form1" && !s.control.empty()) stored.insert(s.control);
    const ControlRows& rows = mainWindowRows();

    // The table is the whole window, in its order.
    std::vector<std::string> created, listed;
    for (const auto& c : t.form().components()) created.push_back(c->name());
    for (const ControlRow& row : rows) listed.push_back(row.name);
    EXPECT_EQ(created, listed);

    for (const ControlRow& row : rows) {
        if (!takesInput(row.kind)) {
            EXPECT_EQ(row.stored, Stored::Unsaid) << row.name << " holds no value to store";
            continue;
        }
        switch (row.stored) {
            case Stored::Unsaid:
                ADD_FAILURE() << row.name << " does not say whether it is stored";
                break;
            case Stored::Yes:
            case Stored::OwnRow:
                EXPECT_EQ(stored.count(row.name), 1u) << row.name << " is not stored";
                break;
            case Stored::WithUpDown:
                EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                                        [&](const ControlRow& u) {
                                            return u.kind == Kind::UpDown &&
                                                   u.associate == row.name && stored.count(u.name);
                                        }))
                    << row.name << " shows no stored up-down";
                break;
            case Stored::No:
                EXPECT_EQ(stored.count(row.name), 0u) << row.name << " is stored after all";
                break;
        }
    }
}

// A stored control of a table becomes a settings row under its key, in the
// order of the controls' numbers; a control not marked stored gets none.
TEST(StoredControls, RowsMarkedStoredBecomeSettingsUnderTheirKeys) {
    const ControlRows rows = {
        {.kind = Kind::CheckBox, .name = "CheckBox12", .stored = Stored::Yes},
        {.kind = Kind::CheckBox, .name = "CheckBox3", .stored = Stored::Yes},
        {.kind = Kind::CheckBox, .name = "CheckBox4", .stored = Stored::No},
        {.kind = Kind::CheckBox, .name = "CheckBox5"},
        {.kind = Kind::RadioButton, .name = "RadioButton2", .stored = Stored::Yes},
        {.kind = Kind::UpDown, .name = "UpDown7", .associate = "Edit10", .stored = Stored::Yes},
        {.kind = Kind::Edit, .name = "Edit10", .stored = Stored::WithUpDown},
        {.kind = Kind::Edit, .name = "Edit9", .stored = Stored::Yes},
    };
    struct Case {
        Kind kind;
        std::vector<std::string> keys;
        std::vector<std::string> controls;
        char group;
        StoredType type;
        const char* property;
    };
    const Case cases[] = {
        {Kind::CheckBox,
         {"Chekcbox3", "Chekcbox12"},
         {"CheckBox3", "CheckBox12"},
         'B',
         StoredType::Flag,
         "Checked"},
        {Kind::RadioButton, {"RadioButton2"}, {"RadioButton2"}, 'B', StoredType::Flag, "Checked"},
        {Kind::UpDown, {"UpDown7"}, {"UpDown7"}, 'C', StoredType::Integer, "Position"},
        {Kind::Edit, {"Edit9"}, {"Edit9"}, 'C', StoredType::Text, "Text"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> keys, controls;
        for (const StoredSetting& s : storedControls(rows, c.kind)) {
            keys.push_back(s.key);
            controls.push_back(s.control);
            EXPECT_EQ(s.group, c.group) << s.key;
            EXPECT_EQ(s.type, c.type) << s.key;
            EXPECT_EQ(s.form, "Form1") << s.key;
            EXPECT_EQ(s.property, c.property) << s.key;
            EXPECT_NE(s.saveRank, 0) << s.key;
        }
        EXPECT_EQ(keys, c.keys);
        EXPECT_EQ(controls, c.controls);
    }
}

}  // namespace
}  // namespace kugel
