#include "controls/control_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "controls/form.h"
#include "scripted/scripted_platform.h"

namespace kugel {
namespace {

struct TableForm : ::testing::Test {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    Form form{"TestForm", platform};
};

// A mistake in a table stops the build where it is instead of placing a
// control somewhere else or leaving a member empty.
TEST_F(TableForm, AMistakeInATableIsRefusedByName) {
    struct Case {
        const char* what;
        ControlRows rows;
    };
    const Case cases[] = {
        {"parent created later",
         {{.kind = Kind::Label, .name = "Label1", .parent = "Panel1"},
          {.kind = Kind::Panel, .name = "Panel1"}}},
        {"up-down without its edit",
         {{.kind = Kind::UpDown, .name = "UpDown1", .associate = "Edit1"}}},
        {"tab sheet outside a page control",
         {{.kind = Kind::Panel, .name = "Panel1"},
          {.kind = Kind::TabSheet, .name = "TabSheet1", .parent = "Panel1"}}},
    };
    for (const Case& c : cases) {
        Form f{"TestForm", platform};
        EXPECT_THROW(buildControls(f, c.rows), std::logic_error) << c.what;
    }

    buildControls(form, {{.kind = Kind::Label, .name = "Label1"}});
    Label* label = nullptr;
    Edit* edit = nullptr;
    EXPECT_THROW(bindMember(form, "Label2", label), std::logic_error);
    EXPECT_THROW(bindMember(form, "Label1", edit), std::logic_error);
    bindMember(form, "Label1", label);
    EXPECT_EQ(label, form.find("Label1"));
}

// A row's initial state is in place before its events are bound, so
// building runs no handler (none is registered yet) and the state holds.
TEST_F(TableForm, InitialStateRunsNoEvent) {
    buildControls(form, {
                            {.kind = Kind::Edit,
                             .name = "Edit1",
                             .caption = "7",
                             .events = {{"OnChange", "Edit1Change"}}},
                            {.kind = Kind::UpDown,
                             .name = "UpDown1",
                             .associate = "Edit1",
                             .min = 1,
                             .max = 9,
                             .position = 4},
                            {.kind = Kind::CheckBox,
                             .name = "CheckBox1",
                             .checked = true,
                             .events = {{"OnClick", "CheckBox1Click"}}},
                        });
    EXPECT_EQ(form.findAs<Edit>("Edit1")->text(), "4");
    EXPECT_TRUE(form.findAs<CheckBox>("CheckBox1")->checked());
    ASSERT_NE(form.findAs<Edit>("Edit1")->handlerFor("OnChange"), nullptr);
}

}  // namespace
}  // namespace kugel
