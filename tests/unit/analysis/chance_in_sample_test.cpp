#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/chance_dialog.h"
#include "analysis/history_search.h"
#include "controls/component.h"
#include "generation/tip_calculation.h"
#include "platform/dates.h"
#include "support/test_app.h"

namespace kugel {
namespace {

// A ticket the program calculated, searched against the draws it was
// calculated from and the draws after.
struct SearchAfterCalculation : ::testing::Test {
    test::TestApp t;
    TForm1& form = t.form();
    const double first = test::day(2018, 3, 1);

    SearchAfterCalculation() {
        std::vector<TZiehung> draws;
        for (int w = 0; w < 6; ++w)
            draws.push_back(
                test::draw(first + 7 * w, {1 + w, 8 + w, 15 + w, 22 + w, 29 + w, 36}, 1 + w));
        test::writeHistory(t.historyPath(), draws);
    }

    // The comparison's lines after a search over every draw.
    std::vector<std::string> search() {
        form.DateTimePicker2->setDate(first);
        form.DateTimePicker1->setDate(first + 35);
        t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Text, DialogResult::Ok, "9"});
        t.app->invoke(form, "SpeedButton4Click", form.SpeedButton4);
        return form.app().chanceForm().Memo1->lines();
    }
    bool has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(SearchAfterCalculation, JudgesOnlyTheDrawsAfterTheCalculation) {
    form.DateTimePicker1->setDate(first + 14);
    startOrStopCalculation(form);
    const std::string learned = form.addedTexts.format(
        AddedText::ChanceLearned, {formatShortDate(first + 14, form.locale()), "3"});
    const std::string after = form.addedTexts.format(
        AddedText::ChanceAfterCalculation, {"3", formatShortDate(first + 21, form.locale())});

    const std::vector<std::string> lines = search();
    EXPECT_TRUE(has(lines, learned)) << ::testing::PrintToString(lines);
    EXPECT_TRUE(has(lines, after));

    // A row changed by hand: the ticket is no longer the calculation's.
    form.ticket.rows[0].numbers[0]->setText(form.ticket.rows[0].numbers[0]->text() == "40" ? "39"
                                                                                           : "40");
    const std::vector<std::string> edited = search();
    EXPECT_FALSE(has(edited, learned)) << ::testing::PrintToString(edited);
    EXPECT_FALSE(has(edited, after));
}

TEST_F(SearchAfterCalculation, GivesNoVerdictWithoutALaterDraw) {
    form.DateTimePicker1->setDate(first + 35);
    startOrStopCalculation(form);
    const std::vector<std::string> lines = search();
    EXPECT_TRUE(
        has(lines, form.addedTexts.format(AddedText::ChanceLearned,
                                          {formatShortDate(first + 35, form.locale()), "6"})));
    EXPECT_TRUE(has(lines, form.addedTexts.format(AddedText::ChanceResult,
                                                  {form.msg(AddedText::ChanceNoLaterDraws)})));
}

}  // namespace
}  // namespace kugel
