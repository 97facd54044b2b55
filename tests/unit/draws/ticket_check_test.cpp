#include <gtest/gtest.h>

#include <array>
#include <string>

#include "controls/color.h"
#include "draws/ticket_check.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using Row = std::array<const char*, 7>;  // six numbers, then the Powerball

class TicketCheck : public ::testing::Test {
  protected:
    TicketCheck() {
        t.form().SoundName = "yippee.wav";
        // The draw of 7 March 2013: 8 16 19 25 26 29, Powerball 5.
        const std::array<int, 9> zahl{0, 8, 16, 19, 25, 26, 29, 5, 0};
        t.form().Zahl = zahl;
    }
    const TicketRow& row(int r) const {
        return t.form().ticket.rows[static_cast<std::size_t>(r - 1)];
    }
    void fill(int r, const Row& values) {
        for (std::size_t k = 0; k < 6; ++k) row(r).numbers[k]->setText(values[k]);
        row(r).powerball->setText(values[6]);
    }
    std::string numbers(int r) const {
        std::string s;
        for (const Edit* e : row(r).numbers) s += (s.empty() ? "" : " ") + e->text();
        return s;
    }
    std::string colours(int r) const {
        std::string s;
        for (const Edit* e : row(r).numbers)
            s += e->color() == clLime ? 'G' : e->color() == clWindow ? '.' : '?';
        const Color pb = row(r).powerball->color();
        s += pb == clRed ? 'R' : pb == clWindow ? '.' : '?';
        return s;
    }
    int counted() const {
        int n = 0;
        for (const auto& cls : t.form().Statistik) n += cls[0] + cls[1];
        return n;
    }
    test::TestApp t;
};

TEST_F(TicketCheck, SortsSumsColoursAndCountsAFullHit) {
    fill(1, {"29", "8", "26", "16", "25", "19", "5"});
    t.takeOutput();
    Komplettcheck(t.form());
    EXPECT_EQ(numbers(1), "8 16 19 25 26 29");
    EXPECT_EQ(row(1).sum->caption(), "123");
    EXPECT_EQ(colours(1), "GGGGGGR");
    EXPECT_EQ(row(1).hits->caption(), "6 + PB");
    EXPECT_EQ(row(1).hits->fontColor(), clRed);
    EXPECT_EQ(t.takeOutput(), "sound yippee.wav\n");
    EXPECT_EQ(t.form().Statistik[6][1], 1);
    EXPECT_EQ(counted(), 1);
}

TEST_F(TicketCheck, HitLabelsFollowTheHighlightRule) {
    struct Case {
        Row row;
        const char* sorted;
        const char* hits;
        const char* colours;
        Color font;
        bool sound;
        int h, p;
    };
    const Case cases[] = {
        {{"16", "1", "8", "2", "3", "4", "5"},
         "1 2 3 4 8 16",
         "2 + PB",
         "....GGR",
         clRed,
         true,
         2,
         1},
        {{"19", "8", "16", "1", "2", "3", "6"},
         "1 2 3 8 16 19",
         "3",
         "...GGG.",
         clBlack,
         false,
         3,
         0},
        {{"8", "1", "2", "3", "4", "6", "5"},
         "1 2 3 4 6 8",
         "1 + PB",
         ".....GR",
         clBlack,
         false,
         1,
         1},
        {{"8", "16", "19", "25", "1", "2", "7"},
         "1 2 8 16 19 25",
         "4",
         "..GGGG.",
         clRed,
         true,
         4,
         0},
        {{"1", "2", "3", "4", "5", "6", "7"}, "1 2 3 4 5 6", "0", ".......", clBlack, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hits);
        fill(3, c.row);
        t.takeOutput();
        Komplettcheck(t.form());
        EXPECT_EQ(numbers(3), c.sorted);
        EXPECT_EQ(row(3).hits->caption(), c.hits);
        EXPECT_EQ(colours(3), c.colours);
        EXPECT_EQ(row(3).hits->fontColor(), c.font);
        EXPECT_EQ(t.takeOutput(), c.sound ? "sound yippee.wav\n" : "");
        EXPECT_EQ(t.form().Statistik[static_cast<std::size_t>(c.h)][static_cast<std::size_t>(c.p)],
                  1);
        EXPECT_EQ(counted(), 1);
    }
}

TEST_F(TicketCheck, RowThatCannotBeCheckedShowsNoResultAndTheOthersGoOn) {
    fill(2, {"29", "8", "26", "16", "25", "19", "5"});
    Komplettcheck(t.form());
    ASSERT_EQ(colours(2), "GGGGGGR");

    // Empty Powerball: sorted and summed, but no hits and the colours reset.
    row(2).powerball->setText("");
    row(2).numbers[0]->setText("40");
    fill(5, {"26", "25", "1", "2", "3", "4", "9"});
    Komplettcheck(t.form());
    EXPECT_EQ(numbers(2), "16 19 25 26 29 40");
    EXPECT_EQ(row(2).sum->caption(), "155");
    EXPECT_EQ(row(2).hits->caption(), "");
    EXPECT_EQ(colours(2), ".......");
    EXPECT_EQ(row(5).hits->caption(), "2");
    EXPECT_EQ(counted(), 1);

    // A row with all fields empty keeps its old sum and counts nothing.
    row(7).sum->setCaption("77");
    row(7).hits->setCaption("3");
    Komplettcheck(t.form());
    EXPECT_EQ(row(7).sum->caption(), "77");
    EXPECT_EQ(row(7).hits->caption(), "");
    EXPECT_EQ(counted(), 1);
}

TEST_F(TicketCheck, LockedRowsAreCheckedAlike) {
    fill(9, {"29", "8", "1", "2", "3", "4", "6"});
    t.app->fireEvent(*row(9).lock, "OnClick");
    ASSERT_EQ(row(9).lock->fontColor(), clRed);
    Komplettcheck(t.form());
    EXPECT_EQ(numbers(9), "1 2 3 4 8 29");
    EXPECT_EQ(row(9).hits->caption(), "2");
}

TEST_F(TicketCheck, DoesNothingButClearTheCountersWhileSortingIsOff) {
    fill(1, {"29", "8", "26", "16", "25", "19", "5"});
    row(1).hits->setCaption("old");
    t.form().Statistik[3][0] = 4;
    t.form().sortieren = false;
    t.takeOutput();
    Komplettcheck(t.form());
    EXPECT_EQ(numbers(1), "29 8 26 16 25 19");
    EXPECT_EQ(row(1).hits->caption(), "old");
    EXPECT_EQ(row(1).sum->caption(), "");
    EXPECT_EQ(colours(1), ".......");
    EXPECT_EQ(counted(), 0);
    EXPECT_EQ(t.takeOutput(), "");
}

TEST_F(TicketCheck, LeavingANumberFieldChecksOnlyWhileSortingIsOn) {
    fill(4, {"29", "8", "26", "16", "25", "19", "5"});
    t.form().sortieren = false;
    t.app->fireEvent(*row(4).numbers[2], "OnExit");
    EXPECT_EQ(row(4).hits->caption(), "");
    t.form().sortieren = true;
    t.app->fireEvent(*row(4).powerball, "OnExit");
    EXPECT_EQ(row(4).hits->caption(), "6 + PB");
    EXPECT_EQ(numbers(4), "8 16 19 25 26 29");
}

TEST_F(TicketCheck, DamagedDrawWithRepeatedNumbersStaysInsideTheCounters) {
    const std::array<int, 9> zahl{0, 8, 8, 8, 8, 8, 8, 5, 0};
    t.form().Zahl = zahl;
    fill(1, {"8", "8", "8", "8", "8", "8", "5"});
    Komplettcheck(t.form());
    EXPECT_EQ(row(1).hits->caption(), "36 + PB");
    EXPECT_EQ(t.form().Statistik[6][1], 1);
}

}  // namespace
}  // namespace kugel
