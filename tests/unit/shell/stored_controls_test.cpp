#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "controls/component.h"
#include "shell/settings_table.h"
#include "support/test_app.h"

namespace kugel {
namespace {

bool takesInput(Kind k) {
    return k == Kind::Edit || k == Kind::UpDown || k == Kind::CheckBox || k == Kind::RadioButton ||
           k == Kind::ComboBox || k == Kind::DateTimePicker;
}

// Every input control of the main window keeps what the player set between
// runs, unless it is named as not stored: a control added later and left out
// of the settings table fails here instead of silently forgetting its value.
TEST(StoredControls, EveryInputOfTheMainWindowIsStoredOrNamedAsNotStored) {
    test::TestApp t;
    std::set<std::string> stored;
    for (const StoredSetting& s : settingsTable())
        if (s.form == "Form1" && !s.control.empty()) stored.insert(s.control);
    const std::vector<std::string>& notStored = inputControlsNotStored();

    for (const auto& c : t.form().components()) {
        if (!takesInput(c->kind()) || stored.count(c->name())) continue;
        if (std::find(notStored.begin(), notStored.end(), c->name()) != notStored.end()) continue;
        // An edit that shows a stored up-down's position is stored with it.
        bool shownByStoredUpDown = false;
        for (const auto& u : t.form().components())
            if (u->kind() == Kind::UpDown && stored.count(u->name()) &&
                static_cast<const UpDown&>(*u).associate() == c.get())
                shownByStoredUpDown = true;
        EXPECT_TRUE(shownByStoredUpDown)
            << c->name() << " is neither stored nor named as not stored";
    }
    // The names stay true to the window.
    for (const std::string& name : notStored) {
        const Component* c = t.form().find(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_TRUE(takesInput(c->kind())) << name;
        EXPECT_EQ(stored.count(name), 0u) << name << " is stored after all";
    }
}

}  // namespace
}  // namespace kugel
