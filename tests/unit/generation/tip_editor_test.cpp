#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "controls/color.h"
#include "generation/number_choice_dialog.h"
#include "model/ticket_controls.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using Row = std::array<std::string, 6>;

class TipEditor : public ::testing::Test {
  protected:
    // The main window comes back after the list closes and wants a history.
    TipEditor() {
        test::writeHistory(t.historyPath(),
                           {test::draw(test::day(2018, 4, 12), {1, 2, 3, 4, 5, 6}, 7)});
    }
    TForm6& list() const { return t.app->form6(); }
    const TicketRow& row(int r) const {
        return t.form().ticket.rows[static_cast<std::size_t>(r - 1)];
    }
    void fill(int r, const Row& texts) {
        for (std::size_t k = 0; k < 6; ++k) row(r).numbers[k]->setText(texts[k]);
    }
    Row texts(int r) const {
        Row out;
        for (std::size_t k = 0; k < 6; ++k) out[k] = row(r).numbers[k]->text();
        return out;
    }
    void click(Component& c) { t.app->fireEvent(c, "OnClick"); }
    test::TestApp t;
};

TEST_F(TipEditor, PreparesTheListWithTheRow) {
    fill(1, {"3", "9", "14", "22", "30", "38"});
    std::vector<int> checked;
    std::vector<Color> colours;
    std::string caption;
    bool rechnenVisible = true, zufallVisible = false;
    t.platform.onShowModal = [&](Form&) {
        for (int i = 1; i <= 40; ++i)
            if (list().box(i).checked()) checked.push_back(i);
        for (int i = 1; i <= 40; ++i) colours.push_back(list().box(i).color());
        caption = list().caption();
        rechnenVisible = list().BitBtn3->visible();
        zufallVisible = list().BitBtn4->visible();
        return 3;
    };
    click(*row(1).editButton);

    EXPECT_EQ(checked, (std::vector<int>{3, 9, 14, 22, 30, 38}));
    for (int i = 1; i <= 40; ++i) {
        const bool inRow = std::find(checked.begin(), checked.end(), i) != checked.end();
        EXPECT_EQ(colours[static_cast<std::size_t>(i - 1)], inRow ? clYellow : clInfoBk) << i;
    }
    EXPECT_EQ(caption, "Zahlen für Tipp  1");
    EXPECT_FALSE(rechnenVisible);
    EXPECT_TRUE(zufallVisible);
    EXPECT_EQ(list().MaxTipp, 6);

    // Afterwards the list is ready for the calculation again.
    EXPECT_TRUE(list().BitBtn3->visible());
    EXPECT_FALSE(list().BitBtn4->visible());
    EXPECT_EQ(list().caption(), "Zahlen für Berechnung wählen");
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(list().box(i).color(), clInfoBk);
}

TEST_F(TipEditor, WritesTheCheckedNumbers) {
    struct Case {
        const char* name;
        int row;
        Row before;
        std::function<void(TForm6&)> user;
        int result;
        Row after;
    };
    const auto none = [](TForm6&) {};
    const auto check = [](std::vector<int> on, std::vector<int> off = {}) {
        return [on, off](TForm6& l) {
            for (int n : on) l.box(n).setChecked(true);
            for (int n : off) l.box(n).setChecked(false);
        };
    };
    const Case cases[] = {
        {"OK without changes writes the same row",
         1,
         {"3", "9", "14", "22", "30", "38"},
         none,
         1,
         {"3", "9", "14", "22", "30", "38"}},
        {"typed order becomes ascending",
         2,
         {"30", "3", "22", "9", "38", "14"},
         none,
         1,
         {"3", "9", "14", "22", "30", "38"}},
        {"more checked than positions: the smallest",
         3,
         {"", "", "", "", "", ""},
         check({40, 2, 33, 4, 25, 6, 17, 8}),
         1,
         {"2", "4", "6", "8", "17", "25"}},
        {"an empty row with two checked keeps the rest empty",
         4,
         {"", "", "", "", "", ""},
         check({7, 5}),
         1,
         {"5", "7", "", "", "", ""}},
        {"unchecked numbers leave the row",
         5,
         {"3", "9", "14", "22", "30", "38"},
         check({}, {3, 9}),
         1,
         {"14", "22", "30", "38", "", ""}},
        {"numbers after a gap are part of the row",
         6,
         {"3", "", "14", "", "30", ""},
         none,
         1,
         {"3", "14", "30", "", "", ""}},
        {"abort changes nothing",
         7,
         {"3", "9", "14", "22", "30", "38"},
         check({1, 2}, {3}),
         3,
         {"3", "9", "14", "22", "30", "38"}},
        {"closing changes nothing",
         12,
         {"1", "", "", "", "", ""},
         check({2}),
         2,
         {"1", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fill(c.row, c.before);
        row(c.row).powerball->setText("11");
        t.platform.onShowModal = [&](Form& f) {
            c.user(static_cast<TForm6&>(f));
            return c.result;
        };
        click(*row(c.row).editButton);
        EXPECT_EQ(texts(c.row), c.after);
        EXPECT_EQ(row(c.row).powerball->text(), "11");
    }
}

TEST_F(TipEditor, EmptyRowPreChecksNothing) {
    fill(2, {"", "", "", "", "", ""});
    for (int i = 1; i <= 40; ++i) list().box(i).setChecked(true);  // from an earlier use
    std::size_t checked = 99;
    t.platform.onShowModal = [&](Form&) {
        checked = 0;
        for (int i = 1; i <= 40; ++i) checked += list().box(i).checked() ? 1u : 0u;
        return 1;
    };
    click(*row(2).editButton);
    EXPECT_EQ(checked, 0u);
    EXPECT_EQ(texts(2), Row{});
}

TEST_F(TipEditor, RandomPickFillsTheRow) {
    t.form().random.seed = 2024;
    std::vector<int> pick;
    t.platform.onShowModal = [&](Form&) {
        click(*list().BitBtn4);
        for (int k = 0; k < 6; ++k) {
            t.app->fireEvent(*list().Timer1, "OnTimer");
            click(*list().BitBtn4);
        }
        for (int i = 1; i <= 40; ++i)
            if (list().box(i).checked()) pick.push_back(i);
        return 1;
    };
    click(*row(8).editButton);
    ASSERT_EQ(pick.size(), 6u);
    Row expected;
    for (std::size_t k = 0; k < 6; ++k) expected[k] = std::to_string(pick[k]);
    EXPECT_EQ(texts(8), expected);
}

TEST_F(TipEditor, LuckyNumber) {
    Random proposalOf5{5};
    const std::string proposal = std::to_string(proposalOf5.next(99999));
    struct Case {
        const char* name;
        std::vector<ScriptedPlatform::Answer> answers;
        bool seeded;  // false: the clock's seed
        std::string seed;
        const char* complaint;  // empty: no message box
    };
    using A = ScriptedPlatform::Answer;
    const Case cases[] = {
        {"an integer", {{A::Kind::Text, DialogResult::Ok, "12345"}}, true, "12345", ""},
        {"a negative one in two's complement",
         {{A::Kind::Text, DialogResult::Ok, "-1"}},
         true,
         "-1",
         ""},
        {"text, then mended",
         {{A::Kind::Text, DialogResult::Ok, "12a"}, {A::Kind::Text, DialogResult::Ok, "321"}},
         true,
         "321",
         "'12a' ist kein gültiger Integerwert"},
        {"beyond 32 bits, then cancelled",
         {{A::Kind::Text, DialogResult::Ok, "4294967296"},
          {A::Kind::Cancel, DialogResult::Cancel, {}}},
         true,
         proposal,
         "'4294967296' ist kein gültiger Integerwert"},
        {"empty", {{A::Kind::Text, DialogResult::Ok, ""}}, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.platform.setClock(777000);
        t.form().random.seed = 5;
        t.form().StatusBar1->setPanelText(1, "vorher");
        for (std::size_t k = 0; k < c.answers.size(); ++k) {
            if (k > 0) t.answer(DialogResult::Ok);  // the message box between
            t.platform.queueAnswer(c.answers[k]);
        }
        t.takeOutput();
        click(*t.form().ticket.SpeedButton13);

        const std::string out = t.takeOutput();
        const std::string box =
            "inputbox \"Ihre Glückszahl (1-99999999)?\" \"Geben Sie Ihre "
            "Glückszahl für den Zufallsgenerator ein!\" \"";
        EXPECT_NE(out.find(box + proposal + "\""), std::string::npos) << out;
        EXPECT_EQ(t.platform.queuedAnswers(), 0u);
        if (*c.complaint) {
            EXPECT_NE(out.find("Fehler bei Eingabe der ZufallsZahl"), std::string::npos) << out;
            EXPECT_NE(out.find(c.complaint), std::string::npos) << out;
            // The box comes again with what was typed, to be mended.
            EXPECT_NE(out.find(box + c.answers[0].text + "\""), std::string::npos) << out;
        } else {
            EXPECT_EQ(out.find("messagebox"), std::string::npos) << out;
        }
        const std::uint32_t seed =
            c.seeded ? static_cast<std::uint32_t>(std::stoll(c.seed)) : 777000u;
        EXPECT_EQ(t.form().random.seed, seed);
        EXPECT_EQ(t.form().StatusBar1->panelText(1),
                  c.seeded ? "Glückszahl " + c.seed + " gesetzt" : "vorher");
    }
}

TEST_F(TipEditor, CancelledLuckyNumberTakesTheProposal) {
    t.form().random.seed = 31337;
    Random copy{31337};
    const std::uint32_t proposal = copy.next(99999);
    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Cancel, DialogResult::Cancel, {}});
    click(*t.form().ticket.SpeedButton13);
    EXPECT_EQ(t.form().random.seed, proposal);
    EXPECT_EQ(t.form().StatusBar1->panelText(1),
              "Glückszahl " + std::to_string(proposal) + " gesetzt");
}

TEST_F(TipEditor, SameLuckyNumberSameRandomPick) {
    std::vector<Row> rows;
    for (int run = 0; run < 2; ++run) {
        t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Text, DialogResult::Ok, "42"});
        click(*t.form().ticket.SpeedButton13);
        t.platform.onShowModal = [&](Form&) {
            click(*list().BitBtn4);
            for (int k = 0; k < 6; ++k) {
                t.app->fireEvent(*list().Timer1, "OnTimer");
                click(*list().BitBtn4);
            }
            return 1;
        };
        click(*row(1).editButton);
        rows.push_back(texts(1));
    }
    EXPECT_EQ(rows[0], rows[1]);
    EXPECT_NE(rows[0][5], "");
}

}  // namespace
}  // namespace kugel
