#include "analysis/odds_dialog.h"

#include <gtest/gtest.h>

#include "support/test_app.h"

namespace kugel {
namespace {

TEST(OddsDialog, ShowsTheReturnOfTheQuotasAgainstThePrice) {
    test::TestApp t;
    TOddsForm& odds = t.app->oddsForm();
    for (Edit* quota : odds.quotaEdits) quota->setText("0");
    odds.quotaEdits[0]->setText("76767600");  // the jackpot alone returns exactly 1 per row
    EXPECT_EQ(odds.ReturnValue->caption(), "1.0000");
    odds.PriceEdit->setText("2,00");
    EXPECT_EQ(odds.ShareValue->caption(), "50.0 %");
}

TEST(OddsDialog, AFieldWithoutANumberIsNamedAndNothingElseBreaks) {
    test::TestApp t;
    TOddsForm& odds = t.app->oddsForm();
    odds.quotaEdits[3]->setText("viel");
    EXPECT_EQ(odds.ReturnValue->caption(), "\"viel\" ?");
    odds.quotaEdits[3]->setText("2000");
    EXPECT_NE(odds.ReturnValue->caption().find('.'), std::string::npos);
    odds.PriceEdit->setText("0");
    EXPECT_EQ(odds.ShareValue->caption(), "\"0\" ?");
}

TEST(OddsDialog, TheMenuOpensItAfterTheDesignedWindows) {
    test::TestApp t;
    // Right after the designed windows, the last of which is QCSForm.
    const auto& forms = t.app->forms();
    ASSERT_EQ(forms[7], t.app->form("QCSForm"));
    EXPECT_EQ(forms[8], &t.app->oddsForm());
    // Closing the dialog activates the main window, which shows a draw.
    test::writeHistory(t.historyPath(),
                       {test::draw(test::day(2018, 4, 19), {1, 2, 3, 4, 5, 6}, 7)});
    t.platform.onShowModal = [](Form&) { return static_cast<int>(DialogResult::Cancel); };
    t.app->invoke(t.form(), "GewinnchancenClick", t.form().Gewinnchancen1);
    EXPECT_NE(t.takeOutput().find("modal OddsForm -> 2"), std::string::npos);
}

}  // namespace
}  // namespace kugel
