#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "controls/color.h"
#include "generation/row_filters.h"
#include "generation/tip_calculation.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using Numbers = std::array<int, 6>;

// Twenty weekly draws; draw i holds 1+i%5, 8+i%5, ..., 36+i%5 and Powerball
// 1+i%20. The newest is 5 12 19 26 33 40, Powerball 20, extra 0.
std::vector<TZiehung> twentyDraws() {
    std::vector<TZiehung> out;
    for (int i = 0; i < 20; ++i) {
        const int o = i % 5;
        out.push_back(test::draw(test::day(2018, 1, 4) + 7 * i,
                                 {1 + o, 8 + o, 15 + o, 22 + o, 29 + o, 36 + o}, 1 + i % 20));
    }
    return out;
}

class Calculation : public ::testing::Test {
  protected:
    void SetUp() override {
        // Events on every run, as a stop click in these tests needs a fixed moment.
        setEventPacing({1, std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
        test::writeHistory(t.historyPath(), twentyDraws());
        f().DateTimePicker1->setDate(test::day(2018, 1, 4) + 7 * 19);
    }
    void TearDown() override { setEventPacing({}); }

    TForm1& f() const { return t.form(); }
    const TicketRow& row(int r) const { return f().ticket.rows[static_cast<std::size_t>(r - 1)]; }

    // Every option that adds to, takes from or tests the rows off.
    void openSettings() {
        SettingsControls& s = f().settings;
        for (CheckBox* c :
             {s.CheckBox10, s.CheckBox4, s.CheckBox5, s.CheckBox23, s.CheckBox3, s.CheckBox24,
              s.CheckBox27, s.CheckBox9, s.CheckBox28, s.CheckBox18, s.CheckBox16})
            c->setChecked(false);
        s.UpDown1->setPosition(21);
        s.UpDown2->setPosition(239);
    }
    void click() { t.app->fireEvent(*f().ticket.BitBtn4, "OnClick"); }

    // The numbers of a row as written, 0 for an empty edit.
    Numbers numbers(int r) const {
        Numbers n{};
        for (std::size_t k = 0; k < 6; ++k) {
            const std::string& text = row(r).numbers[k]->text();
            n[k] = text.empty() ? 0 : std::stoi(text);
        }
        return n;
    }
    int powerball(int r) const {
        const std::string& text = row(r).powerball->text();
        return text.empty() ? 0 : std::stoi(text);
    }
    void writeTicketRow(int r, Numbers n, int pb) {
        for (std::size_t k = 0; k < 6; ++k)
            row(r).numbers[k]->setText(n[k] ? std::to_string(n[k]) : "");
        row(r).powerball->setText(pb ? std::to_string(pb) : "");
    }
    std::vector<std::pair<Numbers, int>> ticket() const {
        std::vector<std::pair<Numbers, int>> out;
        for (int r = 1; r <= 12; ++r) out.push_back({numbers(r), powerball(r)});
        return out;
    }

    test::TestApp t;
};

TEST_F(Calculation, HandTracedSequenceOnATinyPool) {
    openSettings();
    f().settings.CheckBox15->setChecked(true);  // only the neighbours of the reference draw
    f().settings.CheckBox19->setChecked(true);
    f().ticket.UpDown8->setPosition(3);
    f().random.seed = 4242;

    // Neighbours of 5 12 19 26 33 40, Powerball 20, extra 0, four times each.
    std::vector<int> pool;
    for (const int n : {4, 6, 11, 13, 18, 20, 25, 27, 32, 34, 39, 19, 21, 1})
        pool.insert(pool.end(), 4, n);
    Random model{4242};
    std::vector<std::pair<Numbers, int>> expected;
    for (int r = 0; r < 3; ++r) {
        std::vector<int> drawn;
        while (drawn.size() < 6) {
            const int n = pool[model.next(static_cast<std::uint32_t>(pool.size()))];
            if (std::find(drawn.begin(), drawn.end(), n) == drawn.end()) drawn.push_back(n);
        }
        std::sort(drawn.begin(), drawn.end());
        const int pb = static_cast<int>(model.next(20)) + 1;
        expected.push_back({{drawn[0], drawn[1], drawn[2], drawn[3], drawn[4], drawn[5]}, pb});
    }

    const auto report = startOrStopCalculation(f());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->runs, 3);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(numbers(r), expected[static_cast<std::size_t>(r - 1)].first) << r;
        EXPECT_EQ(powerball(r), expected[static_cast<std::size_t>(r - 1)].second) << r;
        const Numbers& n = expected[static_cast<std::size_t>(r - 1)].first;
        int sum = 0;
        for (const int x : n) sum += x;
        EXPECT_EQ(row(r).sum->caption(), std::to_string(sum));
    }
    for (int r = 4; r <= 12; ++r) {
        EXPECT_EQ(numbers(r), Numbers{}) << r;
        EXPECT_EQ(row(r).sum->caption(), "0") << r;
    }
    EXPECT_EQ(f().random.seed, model.seed);
    EXPECT_EQ(f().StatusBar1->panelText(1), f().msg(59));
}

TEST_F(Calculation, SameLuckyNumberSameTicket) {
    f().ticket.UpDown8->setPosition(8);
    f().random.seed = 77;
    click();
    const auto first = ticket();
    f().random.seed = 77;
    click();
    EXPECT_EQ(ticket(), first);
    EXPECT_NE(first[0].first, Numbers{});
}

TEST_F(Calculation, RowsWithinTheSettingsAndStateRestored) {
    openSettings();
    f().settings.UpDown1->setPosition(50);
    f().settings.UpDown2->setPosition(200);
    f().settings.CheckBox18->setChecked(true);
    f().ticket.UpDown8->setPosition(6);
    f().random.seed = 5;
    click();
    for (int r = 1; r <= 6; ++r) {
        const Numbers n = numbers(r);
        EXPECT_TRUE(std::is_sorted(n.begin(), n.end())) << r;
        EXPECT_EQ(std::set<int>(n.begin(), n.end()).size(), 6u) << r;
        int sum = 0;
        for (const int x : n) sum += x;
        EXPECT_GE(sum, 50);
        EXPECT_LE(sum, 200);
        EXPECT_EQ(countOf(numberSetOf(n) & (numberSetOf(n) >> 1) & (numberSetOf(n) >> 2)), 0);
        EXPECT_GE(powerball(r), 1);
        EXPECT_LE(powerball(r), 20);
    }
    for (int r = 7; r <= 12; ++r) EXPECT_EQ(row(r).sum->caption(), "0");
    EXPECT_EQ(f().ticket.BitBtn4->caption(), "Tipps berechnen");
    EXPECT_FALSE(f().Berechnunglaeuft);
    EXPECT_TRUE(f().sortieren);
    EXPECT_FALSE(t.platform.busy());
    EXPECT_EQ(f().PageControl1->activePage(), f().TabSheet1);
}

TEST_F(Calculation, BudgetUsedUpLeavesEveryRowEmpty) {
    f().settings.UpDown7->setPosition(1);
    f().settings.UpDown1->setPosition(230);  // above the largest sum a row can have
    f().settings.UpDown2->setPosition(239);
    const auto report = startOrStopCalculation(f());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->runs, 1000);
    EXPECT_TRUE(report->budgetUsedUp);
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(numbers(r), Numbers{}) << r;
    EXPECT_EQ(f().StatusBar1->panelText(1), f().msg(58));
    EXPECT_EQ(t.platform.processEventsCount(), 1000);
}

// A range no row can pass is named before the ticket is touched.
TEST_F(Calculation, AnInvertedRangeIsNamedAndTheTicketKept) {
    struct Case {
        const char* what;
        std::function<void(SettingsControls&)> set;
        const char* message;
    };
    const Case cases[] = {
        {"sums from 150 to 100",
         [](SettingsControls& s) {
             s.UpDown1->setPosition(150);
             s.UpDown2->setPosition(100);
         },
         "Einstellung \\\"Quersummen von … bis … im Tipp zulassen\\\": der untere Wert 150 liegt "
         "über dem oberen Wert 100"},
        {"at least 3 and at most 2 shared numbers with each row",
         [](SettingsControls& s) {
             s.UpDown3->setPosition(2);
             s.UpDown9->setPosition(3);
         },
         "Einstellung \\\"minimale Übereinstimmungen mit anderen Tipps / maximale "
         "Übereinstimmungen mit anderen Tipps\\\": der untere Wert 3 liegt über dem oberen Wert 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestApp app;
        test::writeHistory(app.historyPath(), twentyDraws());
        TForm1& form = app.form();
        c.set(form.settings);
        const TicketRow& first = form.ticket.rows[0];
        first.numbers[0]->setText("8");
        first.powerball->setText("5");
        app.answer(DialogResult::Ok);
        app.app->fireEvent(*form.ticket.BitBtn4, "OnClick");
        const std::string out = app.takeOutput();
        EXPECT_NE(out.find(c.message), std::string::npos) << out;
        EXPECT_EQ(first.numbers[0]->text(), "8");
        EXPECT_EQ(first.powerball->text(), "5");
        EXPECT_EQ(app.platform.processEventsCount(), 0);
        EXPECT_EQ(form.ticket.BitBtn4->caption(), "Tipps berechnen");
        EXPECT_FALSE(form.calculationRunning());
    }
    // Without every row judged singly the overlap limits are no range.
    openSettings();
    f().settings.UpDown3->setPosition(2);
    f().settings.UpDown9->setPosition(3);
    f().settings.CheckBox3->setChecked(true);
    f().settings.CheckBox24->setChecked(true);
    f().ticket.UpDown8->setPosition(2);
    click();
    EXPECT_NE(numbers(1), Numbers{});
}

// With the statistics window after the newest draw no Powerball is
// preferred: the rows get different ones and the status bar says why.
TEST_F(Calculation, NoDrawInTheWindowLeavesThePowerballToChance) {
    openSettings();
    f().settings.RadioButton2->setChecked(true);  // the rarest Powerball
    f().DateTimePicker2->setDate(test::day(2018, 1, 4) + 7 * 25);
    f().ticket.UpDown8->setPosition(12);
    f().random.seed = 3;
    click();
    std::set<int> powerballs;
    for (int r = 1; r <= 12; ++r) powerballs.insert(powerball(r));
    EXPECT_GT(powerballs.size(), 3u);
    EXPECT_EQ(powerballs.count(0), 0u);
    EXPECT_EQ(f().StatusBar1->panelText(0),
              "Keine Ziehung im Statistikzeitraum: jede Powerballzahl gilt als gleich häufig.");
}

TEST_F(Calculation, RelaxationMarksFromTheThirdRowAndRestoredAfterwards) {
    struct Case {
        int firstDrawnRow;
        bool relaxes;
    } cases[] = {{1, false}, {3, true}};
    for (const Case& c : cases) {
        test::TestApp app;
        test::writeHistory(app.historyPath(), twentyDraws());
        TForm1& form = app.form();
        form.DateTimePicker1->setDate(test::day(2018, 1, 4) + 7 * 19);
        SettingsControls& s = form.settings;
        s.UpDown7->setPosition(25);  // marks at 5000, 15000, 20000; half at 12500
        s.UpDown1->setPosition(230);
        s.UpDown2->setPosition(239);
        s.CheckBox8->setChecked(true);
        form.ticket.UpDown8->setPosition(12);
        for (int r = 1; r < c.firstDrawnRow; ++r) {
            const TicketRow& tr = form.ticket.rows[static_cast<std::size_t>(r - 1)];
            tr.lock->setFontColor(clRed);
        }
        // Settings seen before run n (the n-th handling of events comes before run n).
        std::map<int, std::array<int, 4>> seen;
        int call = 0;
        app.platform.onProcessEvents = [&] {
            ++call;
            if (call == 5000 || call == 5001 || call == 12500 || call == 12501 || call == 15001 ||
                call == 20001)
                seen[call] = {s.UpDown6->position(), s.UpDown5->position(), s.UpDown4->position(),
                              s.CheckBox8->checked() ? 1 : 0};
        };
        startOrStopCalculation(form);
        SCOPED_TRACE(c.firstDrawnRow);
        EXPECT_EQ(seen[5000], (std::array<int, 4>{4, 0, 0, 1}));
        EXPECT_EQ(seen[12500], (std::array<int, 4>{c.relaxes ? 6 : 4, 0, 0, 1}));
        EXPECT_EQ(seen[12501][3], 0);  // the pair is given up halfway for any row
        if (c.relaxes) {
            EXPECT_EQ(seen[5001], (std::array<int, 4>{6, 0, 0, 1}));
            EXPECT_EQ(seen[15001], (std::array<int, 4>{6, 2, 1, 0}));
            EXPECT_EQ(seen[20001], (std::array<int, 4>{6, 3, 2, 0}));
        } else {
            EXPECT_EQ(seen[20001], (std::array<int, 4>{4, 0, 0, 0}));
        }
        EXPECT_EQ(s.UpDown6->position(), 4);
        EXPECT_EQ(s.UpDown5->position(), 0);
        EXPECT_EQ(s.UpDown4->position(), 0);
        EXPECT_TRUE(s.CheckBox8->checked());
    }
}

TEST_F(Calculation, StopDuringTheFourthRow) {
    openSettings();
    f().ticket.UpDown8->setPosition(8);
    bool clicked = false;
    t.platform.onProcessEvents = [&] {
        if (!clicked && !row(3).numbers[0]->text().empty()) {
            clicked = true;
            click();  // the second click on the button
        }
    };
    const auto report = startOrStopCalculation(f());
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->stopped);
    for (int r = 1; r <= 3; ++r) EXPECT_NE(numbers(r), Numbers{}) << r;
    for (int r = 4; r <= 12; ++r) EXPECT_EQ(numbers(r), Numbers{}) << r;
    EXPECT_EQ(f().StatusBar1->panelText(0), f().msg(42));
    EXPECT_EQ(f().StatusBar1->panelText(1), f().msg(59));
    EXPECT_EQ(f().ticket.BitBtn4->caption(), "Tipps berechnen");
    EXPECT_FALSE(f().Berechnunglaeuft);
}

TEST_F(Calculation, LockedRowStaysAndCountsForTheOverlap) {
    openSettings();
    f().settings.CheckBox27->setChecked(true);  // every earlier row: share 1 or 2
    f().settings.UpDown3->setPosition(2);
    f().settings.UpDown9->setPosition(1);
    f().ticket.UpDown8->setPosition(6);
    writeTicketRow(3, {1, 2, 3, 4, 5, 6}, 7);
    row(3).sum->setCaption("keep");
    row(3).lock->setFontColor(clRed);
    click();
    EXPECT_EQ(numbers(3), (Numbers{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(powerball(3), 7);
    const NumberSet locked = numberSetOf({1, 2, 3, 4, 5, 6});
    for (int r = 4; r <= 6; ++r) {
        const int shared = countOf(numberSetOf(numbers(r)) & locked);
        EXPECT_GE(shared, 1) << r;
        EXPECT_LE(shared, 2) << r;
    }
    // Drawn rows are tested against the rows before them only.
    for (int a = 1; a <= 6; ++a)
        for (int b = std::max(a + 1, 4); b <= 6; ++b) {
            const int shared = countOf(numberSetOf(numbers(a)) & numberSetOf(numbers(b)));
            EXPECT_GE(shared, 1) << a << "/" << b;
            EXPECT_LE(shared, 2) << a << "/" << b;
        }
}

TEST_F(Calculation, LockedEmptyRowStaysEmpty) {
    openSettings();
    f().ticket.UpDown8->setPosition(4);
    row(2).lock->setFontColor(clRed);
    click();
    EXPECT_EQ(numbers(2), Numbers{});
    EXPECT_NE(numbers(3), Numbers{});
}

TEST_F(Calculation, PoolWithoutSixNumbersEndsAtOnce) {
    f().settings.CheckBox15->setChecked(true);
    f().settings.CheckBox10->setChecked(false);
    f().settings.CheckBox8->setChecked(true);
    const auto report = startOrStopCalculation(f());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->runs, 0);
    EXPECT_TRUE(report->budgetUsedUp);
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(numbers(r), Numbers{}) << r;
    EXPECT_EQ(f().StatusBar1->panelText(1), f().msg(58));
    EXPECT_TRUE(f().settings.CheckBox8->checked());
    EXPECT_FALSE(f().Berechnunglaeuft);
}

TEST_F(Calculation, CancelInTheNumberListPutsEverythingBack) {
    f().settings.CheckBox20->setChecked(true);
    writeTicketRow(1, {1, 2, 3, 4, 5, 6}, 7);
    t.platform.onShowModal = [](Form&) { return 3; };
    const auto report = startOrStopCalculation(f());
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->cancelled);
    EXPECT_EQ(numbers(1), Numbers{});
    EXPECT_EQ(f().ticket.BitBtn4->caption(), "Tipps berechnen");
    EXPECT_FALSE(f().Berechnunglaeuft);
    EXPECT_TRUE(f().sortieren);
    EXPECT_FALSE(t.platform.busy());
}

TEST_F(Calculation, UnreadableHistoryEndsWithTheErrorAndPutsEverythingBack) {
    f().settings.CheckBox8->setChecked(true);
    f().settings.UpDown4->setPosition(3);
    // Once the rows are being drawn the history goes away; the Powerball
    // statistics of the first candidate need it.
    t.platform.onProcessEvents = [&] {
        std::filesystem::remove(t.historyPath());
        std::filesystem::create_directory(t.historyPath());
    };
    t.answer(DialogResult::Ok);
    t.takeOutput();
    click();
    EXPECT_NE(t.takeOutput().find("messagebox"), std::string::npos);
    EXPECT_EQ(f().ticket.BitBtn4->caption(), "Tipps berechnen");
    EXPECT_FALSE(f().Berechnunglaeuft);
    EXPECT_TRUE(f().sortieren);
    EXPECT_TRUE(f().settings.CheckBox8->checked());
    EXPECT_EQ(f().settings.UpDown4->position(), 3);
    EXPECT_FALSE(t.platform.busy());
}

TEST_F(Calculation, CandidateStatusTexts) {
    Candidate c;
    c.numbers = numberSetOf({21, 3, 9, 8, 20, 33});
    c.sum = 94;
    struct Case {
        int row;
        const char* expected;
    } cases[] = {
        {1, "1.Tipp:  3 8  9  20  21  33  CS: 94"},
        {2, "2.Tipp:  3 8  9  20  21  33   CS: 94"},
        {3, "3.Tipp:  3 8  9  20  21  33    CS: 94"},
        {11, "11.Tipp:  3 8  9  20  21  33    CS: 94"},
    };
    for (const Case& k : cases) EXPECT_EQ(candidateStatus(f(), k.row, c), k.expected);
}

}  // namespace
}  // namespace kugel
