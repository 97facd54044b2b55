#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draws/draw_browser.h"
#include "draws/draw_display.h"
#include "support/test_app.h"

namespace kugel {
namespace {

class DrawBrowser : public ::testing::Test {
  protected:
    DrawBrowser() {
        base = test::day(2013, 3, 7);
        records = {
            test::draw(base, {8, 16, 19, 25, 26, 29}, 5),
            test::draw(base + 7, {1, 2, 3, 4, 5, 6}, 7),
            test::draw(base + 14, {10, 20, 30, 31, 32, 33}, 20),
            test::draw(base + 21, {35, 36, 37, 38, 39, 40}, 1),
        };
        test::writeHistory(t.historyPath(), records);
        t.form().DateTimePicker2->setDate(base + 3);
        // Row 1 holds the last draw's numbers, so each step shows in its hits.
        const char* row[] = {"35", "36", "37", "38", "39", "40", "1"};
        const TicketRow& r = t.form().ticket.rows[0];
        for (std::size_t k = 0; k < 6; ++k) r.numbers[k]->setText(row[k]);
        r.powerball->setText(row[6]);
    }
    void click(const char* button) { t.app->fireEvent(*t.form().find(button), "OnClick"); }
    std::string hits() const { return t.form().ticket.rows[0].hits->caption(); }

    test::TestApp t;
    double base = 0;
    std::vector<TZiehung> records;
};

TEST_F(DrawBrowser, StepsBackFromTheNewestAndStopsAtBothEnds) {
    t.form().DateTimePicker1->setDate(base + 100);
    showDrawOfPickedDate(t.form());
    ASSERT_EQ(t.form().Position, 3);
    ASSERT_EQ(hits(), "6 + PB");

    struct Step {
        const char* button;
        int position;
        const char* hits;
    };
    const Step steps[] = {
        {"SpeedButton6", 2, "0"},      {"SpeedButton6", 1, "0"},
        {"SpeedButton6", 0, "0"},      {"SpeedButton6", 0, "0"},  // the first record again
        {"SpeedButton7", 1, "0"},      {"SpeedButton7", 2, "0"},
        {"SpeedButton7", 3, "6 + PB"}, {"SpeedButton7", 3, "6 + PB"},  // the last record again
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.button) + " -> " + std::to_string(s.position));
        t.form().ticket.rows[0].hits->setCaption("stale");
        click(s.button);
        const TZiehung& z = records[static_cast<std::size_t>(s.position)];
        EXPECT_EQ(t.form().Position, s.position);
        EXPECT_EQ(t.form().Datum1, z.Datum);
        EXPECT_EQ(t.form().DateTimePicker1->date(), z.Datum);
        EXPECT_EQ(t.form().aktDatum, base + 3);
        EXPECT_EQ(t.form().Zahl[7], z.Zahlen[6]);
        EXPECT_EQ(t.form().Label35->caption(), t.form().Label29->caption());
        EXPECT_EQ(hits(), s.hits);
    }
}

TEST_F(DrawBrowser, ShowsTheDrawTextAndItsSum) {
    t.form().Position = 1;
    click("SpeedButton6");
    EXPECT_EQ(t.form().Label29->caption(), "Thu 07.03.13    8  16  19  25  26  29   PB: 5");
    EXPECT_EQ(t.form().Label13->caption(), "Quersumme: 123");
}

TEST_F(DrawBrowser, EmptyHistoryShowsTheFirstDrawDateWithoutNumbers) {
    test::writeHistory(t.historyPath(), {});
    t.form().Position = 5;
    click("SpeedButton7");
    EXPECT_EQ(t.form().Position, 0);
    EXPECT_EQ(t.form().Datum1, ErsteZiehung);
    EXPECT_EQ(t.form().Label35->caption(), "Thu 07.03.13    0  0  0  0  0  0   PB: 0");
}

TEST_F(DrawBrowser, MissingHistoryEndsTheStepWithAnErrorAndKeepsTheDisplay) {
    t.form().Position = 2;
    click("SpeedButton6");
    const std::string before = t.form().Label35->caption();
    std::filesystem::remove(t.historyPath());
    t.takeOutput();
    t.answer(DialogResult::Ok);
    click("SpeedButton6");
    EXPECT_NE(t.takeOutput().find("No such file or directory"), std::string::npos);
    EXPECT_EQ(t.form().Label35->caption(), before);
    EXPECT_EQ(t.form().Position, 1);
}

}  // namespace
}  // namespace kugel
