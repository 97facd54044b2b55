#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/color.h"
#include "generation/ticket_editing.h"
#include "model/ticket_controls.h"
#include "support/test_app.h"

namespace kugel {
namespace {

class Ticket : public ::testing::Test {
  protected:
    TForm1& f() const { return t.form(); }
    const TicketRow& row(int r) const { return f().ticket.rows[static_cast<std::size_t>(r - 1)]; }
    test::TestApp t;
};

TEST_F(Ticket, RowsAreBoundToTheirControls) {
    struct Names {
        const char* lock;
        int firstEdit;
        const char* powerball;
        const char* sum;
        const char* hits;
    };
    const Names names[12] = {
        {"Label28", 1, "Edit93", "Label36", "Label22"},
        {"Label30", 7, "Edit94", "Label37", "Label23"},
        {"Label31", 13, "Edit95", "Label38", "Label24"},
        {"Label32", 19, "Edit96", "Label39", "Label25"},
        {"Label33", 25, "Edit97", "Label40", "Label26"},
        {"Label34", 31, "Edit98", "Label41", "Label27"},
        {"Label46", 43, "Edit99", "Label49", "Label45"},
        {"Label48", 49, "Edit100", "Label50", "Label47"},
        {"Label62", 56, "Edit101", "Label67", "Label65"},
        {"Label61", 62, "Edit102", "Label68", "Label66"},
        {"Label63", 68, "Edit103", "Label71", "Label69"},
        {"Label64", 74, "Edit104", "Label72", "Label70"},
    };
    for (int r = 1; r <= 12; ++r) {
        SCOPED_TRACE(r);
        const Names& n = names[r - 1];
        EXPECT_EQ(row(r).lock->name(), n.lock);
        EXPECT_EQ(row(r).lock->caption(), std::to_string(r) + ". Tipp");
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(row(r).numbers[static_cast<std::size_t>(k)]->name(),
                      "Edit" + std::to_string(n.firstEdit + k));
        EXPECT_EQ(row(r).powerball->name(), n.powerball);
        EXPECT_EQ(row(r).sum->name(), n.sum);
        EXPECT_EQ(row(r).hits->name(), n.hits);
        EXPECT_EQ(row(r).editButton->name(), "Tipp" + std::to_string(r) + "Edit");
        EXPECT_EQ(*row(r).editButton->handlerFor("OnClick"),
                  "Tipp" + std::to_string(r) + "EditClick");
        // The registry finds each control under its own name.
        EXPECT_EQ(f().find(n.lock), row(r).lock);
        EXPECT_EQ(f().find(n.powerball), row(r).powerball);
    }
}

TEST_F(Ticket, TypedNumbersAreNormalised) {
    struct Case {
        const char* typed;
        const char* main;       // left in a main number edit
        const char* powerball;  // left in a Powerball edit
    };
    const Case cases[] = {
        {"07", "7", "7"}, {"0", "", ""},    {"41", "", ""},     {"-3", "", ""},
        {"x", "", ""},    {"40", "40", ""}, {"20", "20", "20"}, {"21", "21", ""},
        {"1", "1", "1"},  {"", "", ""},     {"+5", "5", "5"},   {"5x", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        for (int r : {1, 9, 12}) {
            Edit* main = row(r).numbers[5];
            main->setText("3");
            main->setText(c.typed);
            EXPECT_EQ(main->text(), c.main);
            row(r).powerball->setText("3");
            row(r).powerball->setText(c.typed);
            EXPECT_EQ(row(r).powerball->text(), c.powerball);
        }
    }
}

TEST_F(Ticket, WritingARowOfZerosLeavesItEmpty) {
    writeRow(row(4), {1, 2, 3, 4, 5, 6}, 7);
    writeRow(row(4), {0, 0, 0, 0, 0, 0}, 0);
    for (const Edit* e : row(4).numbers) EXPECT_EQ(e->text(), "");
    EXPECT_EQ(row(4).powerball->text(), "");
}

TEST_F(Ticket, ClearingKeepsTheLockedRows) {
    for (int r = 1; r <= 12; ++r) {
        writeRow(row(r), {r, r + 1, r + 2, r + 3, r + 4, r + 5}, r);
        for (Edit* e : row(r).numbers) e->setColor(clLime);
        row(r).powerball->setColor(clRed);
        row(r).sum->setCaption("99");
        row(r).hits->setCaption("2 + PB");
    }
    t.app->fireEvent(*row(2).lock, "OnClick");
    t.app->fireEvent(*row(9).lock, "OnClick");
    t.app->fireEvent(*f().ticket.SpeedButton11, "OnClick");
    for (int r = 1; r <= 12; ++r) {
        SCOPED_TRACE(r);
        const bool kept = r == 2 || r == 9;
        EXPECT_EQ(row(r).numbers[0]->text(), kept ? std::to_string(r) : "");
        EXPECT_EQ(row(r).numbers[5]->text(), kept ? std::to_string(r + 5) : "");
        EXPECT_EQ(row(r).powerball->text(), kept ? std::to_string(r) : "");
        EXPECT_EQ(row(r).numbers[3]->color(), kept ? clLime : clWindow);
        EXPECT_EQ(row(r).powerball->color(), kept ? clRed : clWindow);
        EXPECT_EQ(row(r).sum->caption(), kept ? "99" : "");
        EXPECT_EQ(row(r).hits->caption(), kept ? "2 + PB" : "");
    }
}

TEST_F(Ticket, RowLabelTogglesTheLock) {
    Label* label = row(10).lock;
    EXPECT_FALSE(isLocked(row(10)));
    t.app->fireEvent(*label, "OnClick");
    EXPECT_EQ(label->fontColor(), clRed);
    EXPECT_TRUE(isLocked(row(10)));
    t.app->fireEvent(*label, "OnClick");
    EXPECT_EQ(label->fontColor(), clWindowText);
    // Any colour other than the window text counts as locked-looking and unlocks.
    label->setFontColor(clBlack);
    t.app->fireEvent(*label, "OnClick");
    EXPECT_EQ(label->fontColor(), clWindowText);
}

TEST_F(Ticket, CoupledLimitsHoldAroundTheArrows) {
    SettingsControls& s = f().settings;
    // Even and odd minimums: with UpDown16 at 4 the arrows of UpDown15 stop at 2.
    s.UpDown16->setPosition(4);
    s.UpDown15->setPosition(0);
    t.app->fireEvent(*s.UpDown15, "OnMouseDown");
    for (int i = 0; i < 4; ++i) s.UpDown15->step(+1);
    t.app->fireEvent(*s.UpDown15, "OnMouseUp");
    EXPECT_EQ(s.UpDown15->position(), 2);
    t.app->fireEvent(*s.UpDown16, "OnMouseDown");
    for (int i = 0; i < 4; ++i) s.UpDown16->step(+1);
    EXPECT_EQ(s.UpDown16->position(), 4);

    // Overlap minimum stays at most the maximum.
    s.UpDown3->setPosition(3);
    s.UpDown9->setPosition(1);
    t.app->fireEvent(*s.UpDown3, "OnMouseDown");
    EXPECT_EQ(s.UpDown9->max(), 3);
    EXPECT_EQ(s.UpDown3->min(), 1);
    for (int i = 0; i < 5; ++i) s.UpDown9->step(+1);
    t.app->fireEvent(*s.UpDown9, "OnMouseUp");
    EXPECT_EQ(s.UpDown9->position(), 3);
    EXPECT_EQ(s.UpDown3->min(), 3);
    for (int i = 0; i < 5; ++i) s.UpDown3->step(-1);
    EXPECT_EQ(s.UpDown3->position(), 3);
}

TEST_F(Ticket, OnePowerballOptionIsChosenAtATime) {
    SettingsControls& s = f().settings;
    auto state = [&] {
        return std::string() + (s.RadioButton1->checked() ? '1' : '.') +
               (s.RadioButton2->checked() ? '2' : '.') + (s.RadioButton3->checked() ? '3' : '.');
    };
    EXPECT_EQ(state(), "1..");
    t.app->fireEvent(*s.RadioButton2, "OnClick");  // a click on the button
    EXPECT_EQ(state(), ".2.");
    ASSERT_EQ(s.RadioButton3->setProperty("Checked", "1"), SetResult::Ok);  // typed in a script
    EXPECT_EQ(state(), "..3");
    s.RadioButton3->setChecked(
        false);  // only a program can clear the choice, as with the classic control
    EXPECT_EQ(state(), "...");
    s.RadioButton1->setChecked(true);
    EXPECT_EQ(state(), "1..");
}

TEST_F(Ticket, RunBudgetFollowsTheUpDownInThousands) {
    UpDown* u = f().settings.UpDown7;
    u->setPosition(250);
    u->step(+1);  // the budget is taken as the arrow is about to move
    EXPECT_EQ(f().LaufMax, 250000);
    u->step(+1);
    EXPECT_EQ(f().LaufMax, 251000);
}

TEST_F(Ticket, SettingsStartWithTheirDesignedValues) {
    struct Spin {
        const char* upDown;
        const char* edit;
        int position, min, max;
    };
    const Spin spins[] = {
        {"UpDown12", "Edit85", 30, 5, 75},   {"UpDown14", "Edit87", 20, 5, 75},
        {"UpDown13", "Edit86", 30, 5, 75},   {"UpDown3", "Edit39", 2, 0, 5},
        {"UpDown9", "Edit88", 1, 0, 5},      {"UpDown6", "Edit42", 4, 3, 7},
        {"UpDown17", "Edit91", 3, 2, 6},     {"UpDown18", "Edit92", 60, 4, 128},
        {"UpDown4", "Edit40", 0, 0, 5},      {"UpDown5", "Edit41", 0, 0, 5},
        {"UpDown11", "Edit84", 0, 0, 5},     {"UpDown1", "Edit37", 50, 21, 279},
        {"UpDown2", "Edit38", 200, 21, 239}, {"UpDown10", "Edit83", 2, 0, 6},
        {"UpDown15", "Edit89", 2, 0, 6},     {"UpDown16", "Edit90", 2, 0, 6},
        {"UpDown19", "Edit105", 15, 1, 25},  {"UpDown7", "Edit55", 50, 1, 30000},
        {"UpDown8", "Edit80", 6, 1, 12},
    };
    for (const Spin& s : spins) {
        SCOPED_TRACE(s.upDown);
        const auto* u = f().findAs<UpDown>(s.upDown);
        ASSERT_NE(u, nullptr);
        EXPECT_EQ(u->position(), s.position);
        EXPECT_EQ(u->min(), s.min);
        EXPECT_EQ(u->max(), s.max);
        ASSERT_NE(u->associate(), nullptr);
        EXPECT_EQ(u->associate()->name(), s.edit);
        EXPECT_EQ(u->associate()->text(), std::to_string(s.position));
    }
    const std::set<std::string> checkedBoxes = {
        "CheckBox10", "CheckBox3",  "CheckBox24",  "CheckBox27", "CheckBox9",
        "CheckBox28", "CheckBox4",  "CheckBox5",   "CheckBox23", "CheckBox31",
        "CheckBox18", "CheckBox16", "RadioButton1"};
    const char* boxes[] = {
        "CheckBox1",    "CheckBox2",   "CheckBox3",  "CheckBox4",  "CheckBox5",  "CheckBox6",
        "CheckBox7",    "CheckBox8",   "CheckBox9",  "CheckBox10", "CheckBox11", "CheckBox12",
        "CheckBox13",   "CheckBox14",  "CheckBox15", "CheckBox16", "CheckBox18", "CheckBox19",
        "CheckBox20",   "CheckBox22",  "CheckBox23", "CheckBox24", "CheckBox25", "CheckBox26",
        "CheckBox27",   "CheckBox28",  "CheckBox29", "CheckBox30", "CheckBox31", "RadioButton1",
        "RadioButton2", "RadioButton3"};
    for (const char* name : boxes) {
        const auto* c = f().findAs<CheckBox>(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->checked(), checkedBoxes.count(name) == 1) << name;
    }
}

// Every control of the ticket and the settings pages lies inside its parent
// and, apart from the edits placed in the blank runs of a caption, overlaps
// none of its siblings.
TEST_F(Ticket, LayoutStaysInsideThePagesWithoutOverlaps) {
    const std::set<std::string> inCaption = {"Edit42", "UpDown6",  "Edit91", "UpDown17",
                                             "Edit92", "UpDown18", "Edit37", "UpDown1",
                                             "Edit38", "UpDown2"};
    struct Area {
        const Component* parent;
        int width, height;
    };
    const Area areas[] = {{f().TabSheet1, 525, 415},  {f().Panel3, 525, 42},
                          {f().TabSheet8, 517, 388},  {f().TabSheet9, 517, 388},
                          {f().TabSheet7, 517, 388},  {f().TabSheet11, 517, 388},
                          {f().TabSheet10, 517, 388}, {f().settings.RadioGroup1, 500, 108}};
    for (const Area& a : areas) {
        std::vector<const Component*> children;
        for (const auto& c : f().components())
            if (c->parent() == a.parent) children.push_back(c.get());
        ASSERT_FALSE(children.empty()) << a.parent->name();
        for (const Component* c : children) {
            const Bounds& b = c->bounds();
            EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left + b.width <= a.width &&
                        b.top + b.height <= a.height)
                << c->name() << " outside " << a.parent->name();
        }
        for (std::size_t i = 0; i < children.size(); ++i) {
            for (std::size_t j = i + 1; j < children.size(); ++j) {
                const Component* x = children[i];
                const Component* y = children[j];
                if (inCaption.count(x->name()) || inCaption.count(y->name())) continue;
                const Bounds& p = x->bounds();
                const Bounds& q = y->bounds();
                const bool overlap = p.left < q.left + q.width && q.left < p.left + p.width &&
                                     p.top < q.top + q.height && q.top < p.top + p.height;
                EXPECT_FALSE(overlap) << x->name() << " overlaps " << y->name();
            }
        }
    }
}

}  // namespace
}  // namespace kugel
