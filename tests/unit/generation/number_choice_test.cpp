#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/color.h"
#include "generation/number_choice_dialog.h"
#include "support/test_app.h"

namespace kugel {
namespace {

std::vector<int> poolOf(std::initializer_list<std::pair<int, int>> counts) {
    std::vector<int> pool;
    for (auto [number, count] : counts)
        pool.insert(pool.end(), static_cast<std::size_t>(count), number);
    return pool;
}

// The pool with no option set: 1 to 40, then 1 once more.
std::vector<int> plainPool() {
    std::vector<int> pool;
    for (int i = 1; i <= 40; ++i) pool.push_back(i);
    pool.push_back(1);
    return pool;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::set<int> checkedNumbers(const TForm6& list) {
    std::set<int> numbers;
    for (int i = 1; i <= TForm6::kBoxes; ++i)
        if (list.box(i).checked()) numbers.insert(i);
    return numbers;
}

class NumberChoice : public ::testing::Test {
  protected:
    // The main window comes back after the list closes and wants a history.
    NumberChoice() {
        test::writeHistory(t.historyPath(),
                           {test::draw(test::day(2018, 4, 12), {1, 2, 3, 4, 5, 6}, 7)});
    }
    TForm6& list() const { return t.app->form6(); }
    void click(Component& c) { t.app->fireEvent(c, "OnClick"); }
    void tick() { t.app->fireEvent(*list().Timer1, "OnTimer"); }
    test::TestApp t;
};

TEST_F(NumberChoice, PoolResults) {
    struct Case {
        const char* name;
        std::vector<int> pool;
        std::function<void(TForm6&)> user;
        int modalResult;
        PoolListResult expected;
        std::vector<int> expectedPool;
    };
    std::vector<int> withoutFive;
    for (int i = 1; i <= 40; ++i)
        if (i != 5) withoutFive.insert(withoutFive.end(), i == 1 ? 2u : 1u, i);
    std::vector<int> plainInOrder = poolOf({{1, 2}});
    for (int i = 2; i <= 40; ++i) plainInOrder.push_back(i);
    const auto none = [](TForm6&) {};

    const Case cases[] = {
        {"rebuild unchanged gives the counts back in number order", plainPool(), none, 4,
         PoolListResult::Rebuilt, plainInOrder},
        {"rebuild after unchecking 5 drops every 5", plainPool(),
         [](TForm6& l) { l.box(5).setChecked(false); }, 4, PoolListResult::Rebuilt, withoutFive},
        {"rebuild keeps weights and sorts",
         {7, 3, 7, 7, 3, 12},
         none,
         4,
         PoolListResult::Rebuilt,
         poolOf({{3, 2}, {7, 3}, {12, 1}})},
        {"a number checked by hand gets weight 1",
         {7, 7},
         [](TForm6& l) { l.box(40).setChecked(true); },
         4,
         PoolListResult::Rebuilt,
         poolOf({{7, 2}, {40, 1}})},
        {"OK after unchecking keeps the pool",
         {7, 3, 7},
         [](TForm6& l) { l.box(7).setChecked(false); },
         1,
         PoolListResult::Keep,
         {7, 3, 7}},
        {"abort cancels",
         {7, 3, 7},
         [](TForm6& l) { l.box(3).setChecked(false); },
         3,
         PoolListResult::Cancel,
         {7, 3, 7}},
        {"closing the window cancels", {7, 3, 7}, none, 2, PoolListResult::Cancel, {7, 3, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.platform.onShowModal = [&](Form& f) {
            c.user(static_cast<TForm6&>(f));
            return c.modalResult;
        };
        std::vector<int> pool = c.pool;
        EXPECT_EQ(editPoolInList(t.form(), pool), c.expected);
        EXPECT_EQ(pool, c.expectedPool);
    }
}

TEST_F(NumberChoice, ShowsThePoolWithItsCounts) {
    list().box(45).setVisible(true);  // left over from an earlier use
    std::vector<std::string> hints;
    std::set<int> checked;
    bool box45Visible = true;
    std::vector<std::string> captions;
    t.platform.onShowModal = [&](Form&) {
        for (int i = 1; i <= 40; ++i) hints.push_back(list().box(i).hint());
        checked = checkedNumbers(list());
        box45Visible = list().box(45).visible();
        captions = {list().box(1).caption(), list().box(10).caption(), list().box(40).caption()};
        list().box(10).setChecked(true);  // the user adds a number: it counts once
        captions.push_back(list().box(10).caption());
        return 1;
    };
    std::vector<int> pool = plainPool();
    pool.erase(pool.begin() + 9);  // no 10
    editPoolInList(t.form(), pool);

    EXPECT_EQ(captions, (std::vector<std::string>{"1 \u00d72", "10", "40 \u00d71", "10 \u00d71"}));
    EXPECT_EQ(list().box(1).caption(), "1") << "the tip editor shows bare numbers again";

    ASSERT_EQ(hints.size(), 40u);
    EXPECT_EQ(hints[0], "2");
    EXPECT_EQ(hints[9], "0");
    EXPECT_EQ(hints[39], "1");
    EXPECT_EQ(checked.size(), 39u);
    EXPECT_FALSE(checked.count(10));
    EXPECT_FALSE(box45Visible) << "showing the list hides the numbers above MaxZahl";
    EXPECT_TRUE(list().BitBtn3->visible());
    EXPECT_FALSE(list().BitBtn4->visible());
}

TEST_F(NumberChoice, ButtonsSitBelowTheShownNumbers) {
    for (int shown : {40, 59, 7}) {
        SCOPED_TRACE(shown);
        list().MaxZahl = shown;
        list().showNumbersAndWeights();
        const Bounds& ok = list().BitBtn1->bounds();
        for (int i = 1; i <= TForm6::kBoxes; ++i) {
            const Bounds& b = list().box(i).bounds();
            EXPECT_EQ(list().box(i).visible(), i <= shown);
            if (i <= shown) {
                EXPECT_LE(b.top + b.height, ok.top) << i;
            }
            EXPECT_LE(b.left + b.width, list().bounds().width) << i;
        }
        EXPECT_LE(ok.top + ok.height, list().bounds().height);
        for (Button* b : {list().SpeedButton1, list().SpeedButton2, list().BitBtn2, list().BitBtn3,
                          list().BitBtn4})
            EXPECT_EQ(b->bounds().top, ok.top);
    }
}

TEST_F(NumberChoice, SavesOneLinePerNumber) {
    const auto file = t.dir.path() / "liste.qlw";
    for (int i = 1; i <= 40; ++i) list().box(i).setChecked(false);
    list().box(7).setChecked(true);
    list().box(7).setHint("4");
    list().box(9).setChecked(true);
    list().box(9).setHint("");    // checked by hand before any weight was known
    list().box(12).setHint("5");  // a weight of an unchecked number is not written

    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
    click(*list().SpeedButton1);

    EXPECT_NE(t.takeOutput().find("savedialog \"Werteliste|*.qlw\" \"20180420.qlw\""),
              std::string::npos);
    std::string expected;
    for (int i = 1; i <= 40; ++i)
        expected += (i == 7 ? "4" : i == 9 ? "1" : "") + std::string("\r\n");
    EXPECT_EQ(readFile(file), expected);
    EXPECT_EQ(list().box(9).hint(), "1");
}

TEST_F(NumberChoice, SaveCancelledWritesNothing) {
    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Cancel, DialogResult::Cancel, {}});
    click(*list().SpeedButton1);
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path()))
        EXPECT_EQ(entry.path().filename(), "Powerball.dat");
}

TEST_F(NumberChoice, LoadsLists) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::pair<int, std::string>> checked;  // number, hint
    };
    std::string tenLines;
    for (int i = 1; i <= 10; ++i) tenLines += std::to_string(i) + "\r\n";
    std::vector<std::pair<int, std::string>> tenChecked;
    for (int i = 1; i <= 10; ++i) tenChecked.emplace_back(i, std::to_string(i));

    const Case cases[] = {
        {"first lines of the example", "3\r\n\r\n2\r\n", {{1, "3"}, {3, "2"}}},
        {"ten lines: the rest unchecked", tenLines, tenChecked},
        {"LF endings and blanks around a weight", "\n 6 \n", {{2, "6"}}},
        {"weight 0 is kept as it stands", "0\r\n", {{1, "0"}}},
        {"empty file unchecks everything", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 1; i <= 40; ++i) {
            list().box(i).setChecked(true);
            list().box(i).setHint("9");
        }
        const auto file = t.dir.path() / "in.qlw";
        writeFile(file, c.bytes);
        t.platform.queueAnswer(
            {ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
        click(*list().SpeedButton2);

        std::map<int, std::string> expected(c.checked.begin(), c.checked.end());
        for (int i = 1; i <= 40; ++i) {
            SCOPED_TRACE(i);
            const auto it = expected.find(i);
            EXPECT_EQ(list().box(i).checked(), it != expected.end());
            EXPECT_EQ(list().box(i).hint(), it != expected.end() ? it->second : "1");
        }
    }
}

TEST_F(NumberChoice, BadLineIsRejectedAndListStays) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* line;
    };
    const Case cases[] = {
        {"text", "3\r\n\r\nabc\r\n", "Zeile 3"},
        {"decimal fraction", "1.5\r\n", "Zeile 1"},
        {"negative weight", "\r\n-2\r\n", "Zeile 2"},
        {"huge weight", "1\r\n2\r\n3\r\n4\r\n2000000000\r\n", "Zeile 5"},
        {"beyond int", "99999999999\r\n", "Zeile 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 1; i <= 40; ++i) {
            list().box(i).setChecked(i % 2 == 0);
            list().box(i).setHint(std::to_string(i));
        }
        const auto file = t.dir.path() / "bad.qlw";
        writeFile(file, c.bytes);
        t.platform.queueAnswer(
            {ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
        t.answer(DialogResult::Ok);  // the error box
        t.takeOutput();
        click(*list().SpeedButton2);

        const std::string out = t.takeOutput();
        EXPECT_NE(out.find("messagebox"), std::string::npos);
        EXPECT_NE(out.find(c.line), std::string::npos) << out;
        for (int i = 1; i <= 40; ++i) {
            EXPECT_EQ(list().box(i).checked(), i % 2 == 0);
            EXPECT_EQ(list().box(i).hint(), std::to_string(i));
        }
    }
}

TEST_F(NumberChoice, ListsThatAreNoListsGiveAClearErrorAndListStays) {
    const auto big = t.dir.path() / "big.qlw";
    std::string bigBytes;
    while (bigBytes.size() <= 1024 * 1024) bigBytes += "1\r\n";
    writeFile(big, bigBytes);
    const auto dir = t.dir.path() / "folder.qlw";
    std::filesystem::create_directory(dir);
    const auto longLine = t.dir.path() / "long.qlw";
    const std::string bad = "\x1b[2J" + std::string(5000, 'z');
    writeFile(longLine, "1\r\n" + bad + "\r\n");
    // As the message box prints it: quotes escaped.
    const auto quoted = [](const std::string& s) { return "\\\"" + s + "\\\""; };
    struct Case {
        std::string file;
        std::string expected;
    };
    const Case cases[] = {
        {big.string(), quoted(big.string()) + " ist zu groß (mehr als 1048576 Bytes)"},
        {dir.string(), quoted(dir.string()) + ": Is a directory"},
        {"/dev/zero", quoted("/dev/zero") + " ist keine gewöhnliche Datei"},
        // 200 characters quoted, the escape written out.
        {longLine.string(), "Zeile 2 (\\\"\\\\x1B[2J" + std::string(196, 'z') + "...\\\")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        for (int i = 1; i <= 40; ++i) list().box(i).setChecked(i % 2 == 0);
        t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, c.file});
        t.answer(DialogResult::Ok);  // the error box
        t.takeOutput();
        click(*list().SpeedButton2);
        const std::string out = t.takeOutput();
        EXPECT_NE(out.find("messagebox"), std::string::npos);
        EXPECT_NE(out.find(c.expected), std::string::npos) << out.substr(0, 600);
        for (int i = 1; i <= 40; ++i) EXPECT_EQ(list().box(i).checked(), i % 2 == 0);
    }
}

TEST_F(NumberChoice, SavedListLoadsBackIntoARebuild) {
    const auto file = t.dir.path() / "rund.qlw";
    std::vector<int> pool = poolOf({{2, 3}, {17, 1}, {40, 2}});
    t.platform.onShowModal = [&](Form&) {
        t.platform.queueAnswer(
            {ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
        click(*list().SpeedButton1);
        return 1;
    };
    EXPECT_EQ(editPoolInList(t.form(), pool), PoolListResult::Keep);

    std::vector<int> other = {5, 6, 7};
    t.platform.onShowModal = [&](Form&) {
        t.platform.queueAnswer(
            {ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
        click(*list().SpeedButton2);
        return 4;
    };
    EXPECT_EQ(editPoolInList(t.form(), other), PoolListResult::Rebuilt);
    EXPECT_EQ(other, pool);
}

class RandomPick : public NumberChoice {
  protected:
    void SetUp() override {
        t.form().random.seed = 4711;
        list().MaxZahl = 40;
        list().MaxTipp = 5;
        list().Zufall = "Zufall";
        list().Stopp = "Stop";
    }
    std::vector<int> picked() const {
        std::vector<int> p;
        for (int k = 1; k <= list().MaxTipp; ++k)
            p.push_back(list().Tippreihe[static_cast<std::size_t>(k)]);
        return p;
    }
    // The pick is what is checked, all yellow, nothing else yellow.
    void expectShownPick() const {
        const std::vector<int> p = picked();
        const std::set<int> distinct(p.begin(), p.end());
        EXPECT_EQ(distinct.size(), p.size());
        EXPECT_EQ(checkedNumbers(list()), distinct);
        for (int i = 1; i <= list().MaxZahl; ++i) {
            EXPECT_EQ(list().box(i).color(), distinct.count(i) ? clYellow : clInfoBk) << i;
        }
    }
};

TEST_F(RandomPick, FreezesOnePositionPerClickAndStopsAtMaxTipp) {
    for (int i = 1; i <= 40; ++i) list().box(i).setChecked(i < 20);
    click(*list().BitBtn4);
    EXPECT_TRUE(list().Timer1->enabled());
    EXPECT_EQ(list().Timer1->interval(), 25);
    EXPECT_TRUE(checkedNumbers(list()).empty()) << "the start clears the list";

    tick();
    EXPECT_EQ(list().BitBtn4->caption(), "1 Stop");
    expectShownPick();
    for (int frozen = 1; frozen < 5; ++frozen) {
        SCOPED_TRACE(frozen);
        click(*list().BitBtn4);
        EXPECT_EQ(list().Losgeht, frozen + 1);
        std::vector<int> before = picked();
        for (int k = 0; k < 3; ++k) tick();
        EXPECT_EQ(list().BitBtn4->caption(), std::to_string(frozen + 1) + " Stop");
        const std::vector<int> after = picked();
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + frozen, after.begin()))
            << "frozen positions keep their numbers";
        expectShownPick();
    }
    const std::vector<int> last = picked();
    click(*list().BitBtn4);  // the fifth click after the start
    EXPECT_FALSE(list().Timer1->enabled());
    EXPECT_EQ(list().BitBtn4->caption(), "Zufall");
    EXPECT_EQ(list().Losgeht, 1);
    EXPECT_EQ(picked(), last);
    expectShownPick();
    EXPECT_EQ(checkedNumbers(list()).size(), 5u);
}

TEST_F(RandomPick, SameSeedSamePick) {
    std::vector<std::vector<int>> runs;
    for (int run = 0; run < 2; ++run) {
        t.form().random.seed = 99;
        click(*list().BitBtn4);
        for (int k = 0; k < 5; ++k) {
            tick();
            click(*list().BitBtn4);
        }
        runs.push_back(picked());
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(RandomPick, ClicksWithoutTicksStillEndWithAFullPick) {
    click(*list().BitBtn4);
    click(*list().BitBtn4);  // freezes a position nothing was drawn for yet
    click(*list().BitBtn4);
    tick();
    expectShownPick();
    EXPECT_EQ(checkedNumbers(list()).size(), 5u);
    for (int k = 0; k < 3; ++k) click(*list().BitBtn4);
    EXPECT_FALSE(list().Timer1->enabled());

    click(*list().BitBtn4);  // start again and stop before any tick
    for (int k = 0; k < 5; ++k) click(*list().BitBtn4);
    EXPECT_FALSE(list().Timer1->enabled());
    expectShownPick();
    EXPECT_EQ(checkedNumbers(list()).size(), 5u);
}

TEST_F(RandomPick, NeverPicksMoreNumbersThanShown) {
    list().MaxZahl = 3;
    list().MaxTipp = 6;
    click(*list().BitBtn4);
    tick();
    EXPECT_EQ(checkedNumbers(list()), (std::set<int>{1, 2, 3}));
    EXPECT_FALSE(list().box(4).visible());
    list().MaxZahl = 40;
}

TEST_F(RandomPick, ClosingTheListStopsThePick) {
    t.platform.onShowModal = [&](Form&) {
        click(*list().BitBtn4);
        tick();
        click(*list().BitBtn4);
        return 2;
    };
    t.app->showModal(list());
    EXPECT_FALSE(list().Timer1->enabled());
    EXPECT_EQ(list().BitBtn4->caption(), "Zufall");
    EXPECT_EQ(list().Losgeht, 1);
}

TEST_F(RandomPick, AFailedShowingStillClosesTheList) {
    t.platform.onShowModal = [&](Form&) -> int {
        click(*list().BitBtn4);
        throw std::runtime_error("no display");
    };
    EXPECT_THROW(t.app->showModal(list()), std::runtime_error);
    EXPECT_FALSE(list().Timer1->enabled());
}

}  // namespace
}  // namespace kugel
