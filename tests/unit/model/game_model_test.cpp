#include <gtest/gtest.h>

#include "model/game.h"
#include "model/message_table.h"
#include "model/random.h"
#include "scripted/scripted_platform.h"
#include "support/test_app.h"

namespace kugel {
namespace {

TEST(RandomGenerator, FollowsTheLinearCongruentialStep) {
    Random r{0};
    // seed 1, then 1*134775813+1 = 134775814, then ...
    EXPECT_EQ(r.next(100), 0u);  // (1 * 100) >> 32
    EXPECT_EQ(r.seed, 1u);
    EXPECT_EQ(r.next(0x80000000u), 134775814u >> 1);
    EXPECT_EQ(r.seed, 134775814u);
    Random wrap{0xFFFFFFFFu};
    wrap.next(10);
    EXPECT_EQ(wrap.seed, static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
    // The range rule scales the full 32-bit seed: the largest seed gives n-1.
    Random top{1298181734u};
    EXPECT_EQ(top.next(7), 6u);
    EXPECT_EQ(top.seed, 0xFFFFFFFFu);
}

TEST(MessageTable, GermanDefaultsWithTheirBlanks) {
    const auto m = defaultMessages();
    ASSERT_EQ(m.size(), 62u);
    EXPECT_EQ(m[0], "Soll die Analyse der Datenbank jetzt ab dem ");
    EXPECT_EQ(m[1], " durchgeführt werden??");
    EXPECT_EQ(m[5], "Ein Treffer am  ");
    EXPECT_EQ(m[11], "Zahlen für Tipp ");
    EXPECT_EQ(m[28], "Quandors Lotto-Tipp für ");
    EXPECT_EQ(m[43], "Quersumme");
    EXPECT_EQ(m[45], "Keine Gewähr für die Richtigkeit der Zahlen!");
    EXPECT_EQ(m[61], "Stop");
    for (const int unused : {13, 14, 15, 27, 44})
        EXPECT_EQ(m[static_cast<std::size_t>(unused)], "");
}

TEST(MessageTable, IndexBeyondTheEndIsEmpty) {
    test::TestApp t;
    EXPECT_EQ(t.form().msg(43), "Quersumme");
    EXPECT_EQ(t.form().msg(62), "");
    EXPECT_EQ(t.form().msg(1000), "");
}

TEST(GameModel, RowSumsAndTheFirstDraw) {
    EXPECT_EQ(test::draw(0, {1, 2, 3, 4, 5, 6}, 1).mainSum(), 21);
    EXPECT_EQ(test::draw(0, {35, 36, 37, 38, 39, 40}, 1).mainSum(), 225);
    const TZiehung first = ersteZiehungRecord();
    EXPECT_EQ(first.Datum, 41340);
    EXPECT_EQ(first.mainSum(), 123);
    EXPECT_TRUE(first.isValidDraw());
    EXPECT_FALSE(test::draw(0, {1, 1, 3, 4, 5, 6}, 1).isValidDraw());
    EXPECT_FALSE(test::draw(0, {0, 2, 3, 4, 5, 6}, 1).isValidDraw());
    EXPECT_FALSE(test::draw(0, {41, 2, 3, 4, 5, 6}, 1).isValidDraw());
    EXPECT_FALSE(test::draw(0, {1, 2, 3, 4, 5, 6}, 21).isValidDraw());
    EXPECT_FALSE(test::draw(0, {1, 2, 3, 4, 5, 6}, 0).isValidDraw());
}

}  // namespace
}  // namespace kugel
