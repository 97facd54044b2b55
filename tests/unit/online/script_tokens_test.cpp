#include <gtest/gtest.h>

#include "online/click_script.h"

namespace kugel {
namespace {

std::string rowTokens(int r) {
    const std::string n = std::to_string(r);
    return "[Z1_" + n + "][Z2_" + n + "][Z3_" + n + "][Z4_" + n + "][Z5_" + n + "][S1_" + n +
           "][S2_" + n + "]";
}

TEST(ScriptTokens, LinesFeedTheirRowsAndLaterRowsUpToTwelveBecomeEmpty) {
    std::string text;
    for (int r = 1; r <= 13; ++r) text += rowTokens(r) + "|";
    const std::string filled = fillScriptTokens(
        text, {"1,2,3,4,5,6,7", "8,9,10,11,12,13,14", "15,16,17,18,19,20,1"}, {}, "T");
    EXPECT_EQ(filled, "1234567|891011121314|1516171819201||||||||||" + rowTokens(13) + "|");
}

TEST(ScriptTokens, TwelveLinesFillEveryRow) {
    std::vector<std::string> lines;
    std::string text;
    std::string expected;
    for (int r = 1; r <= 12; ++r) {
        lines.push_back("1,2,3,4,5,6," + std::to_string(r));
        text += rowTokens(r) + " ";
        expected += "123456" + std::to_string(r) + " ";
    }
    EXPECT_EQ(fillScriptTokens(text, lines, {}, "T"), expected);
}

TEST(ScriptTokens, ShortAndLongLinesSplitAtTheirCommas) {
    const std::string text = rowTokens(1) + "/" + rowTokens(2);
    // Fields run out: the rest stays for the Powerball; extra fields are cut at a comma.
    EXPECT_EQ(fillScriptTokens(text, {"1,2,3", "1,2,3,4,5,6,7,8"}, {}, "T"), "123/1234567");
}

TEST(ScriptTokens, RepeatedTokensAnswersAndFixedValues) {
    const std::string text =
        "[Z1_1] [Z1_1] [DAUER] [FR] [DI] [DIFR] [MELDUNGFERTIG] [TIPPDATEI] [z1_1]";
    struct Case {
        ScriptAnswers answers;
        const char* expected;
    };
    const Case cases[] = {
        {{false, false, false}, "5 5 NEIN NEIN NEIN NEIN Ready to Play /t/x.qlt [z1_1]"},
        {{true, true, false}, "5 5 JA JA NEIN NEIN Ready to Play /t/x.qlt [z1_1]"},
        {{false, true, true}, "5 5 NEIN JA JA JA Ready to Play /t/x.qlt [z1_1]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillScriptTokens(text, {"5,,,,,,"}, c.answers, "/t/x.qlt"), c.expected);
}

TEST(ScriptTokens, ATemplateWithoutTokensStaysAsItIs) {
    const std::string text = "KLICK 10 20\r\nWARTE [ZAHL]\r\n";
    EXPECT_EQ(fillScriptTokens(text, {"1,2,3,4,5,6,7"}, {}, "T"), text);
}

}  // namespace
}  // namespace kugel
