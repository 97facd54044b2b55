#include "update/history_csv.h"

#include <gtest/gtest.h>

#include "controls/value_text.h"

namespace kugel {
namespace {

std::string listed(const std::vector<TZiehung>& draws) {
    std::string text;
    for (const TZiehung& z : draws) {
        text += dayValueText(z.Datum);
        for (const std::uint8_t n : z.Zahlen) text += " " + std::to_string(n);
        text += "\n";
    }
    return text;
}

TEST(HistoryCsv, ReadsTheColumnsByTheirNames) {
    struct Case {
        const char* name;
        const char* csv;
        const char* draws;
    };
    const Case cases[] = {
        {"another column order, unknown columns ignored, numbers sorted",
         "pb,drawnumber,n6,n5,n4,n3,n2,n1,date\n5,877,8,16,19,25,26,29,2013-03-07\n",
         "2013-03-07 8 16 19 25 26 29 5 0\n"},
        {"extra taken when present, 0 when empty",
         "date,n1,n2,n3,n4,n5,n6,pb,extra\r\n2013-03-07,8,16,19,25,26,29,5,\r\n"
         "2013-03-14,5,9,23,30,35,37,18,255\r\n",
         "2013-03-07 8 16 19 25 26 29 5 0\n2013-03-14 5 9 23 30 35 37 18 255\n"},
        {"blank lines, blanks around fields, compact dates, date order",
         "\n date , n1,n2,n3,n4,n5,n6,pb\n\n20130314, 5 ,9,23,30,35,37,18\n"
         "2013-03-07,8,16,19,25,26,29,5\n",
         "2013-03-07 8 16 19 25 26 29 5 0\n2013-03-14 5 9 23 30 35 37 18 0\n"},
        {"draws of one date keep their order",
         "date,n1,n2,n3,n4,n5,n6,pb\n2013-03-07,1,2,3,4,5,6,7\n2013-03-07,1,2,3,4,5,7,7\n",
         "2013-03-07 1 2 3 4 5 6 7 0\n2013-03-07 1 2 3 4 5 7 7 0\n"},
    };
    for (const Case& c : cases) {
        const CsvHistory read = historyFromCsv(c.csv);
        EXPECT_TRUE(read.problems.empty()) << c.name << ": " << read.problems.front().reason;
        EXPECT_EQ(listed(read.draws), c.draws) << c.name;
    }
}

TEST(HistoryCsv, AFileThatNamesNoDrawIsRefused) {
    struct Case {
        const char* csv;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"", 0, "no header line"},
        {"date,n1,n2,n3,n4,n5,n6\n2013-03-07,1,2,3,4,5,6\n", 1,
         "the header lacks the column \"pb\""},
        {"date,n1,n2,n3,n4,n5,n6,pb\n", 0, "no draws"},
    };
    for (const Case& c : cases) {
        const CsvHistory read = historyFromCsv(c.csv);
        ASSERT_EQ(read.problems.size(), 1u) << c.csv;
        EXPECT_EQ(read.problems[0].line, c.line) << c.csv;
        EXPECT_EQ(read.problems[0].reason, c.reason) << c.csv;
    }
}

TEST(HistoryCsv, AnExportReadsBackAsTheSameDraws) {
    const std::vector<TZiehung> draws = {{41340, {8, 16, 19, 25, 26, 29, 5, 0}},
                                         {41347.5, {5, 9, 23, 30, 35, 37, 18, 7}}};
    const std::string csv = historyToCsv(draws);
    EXPECT_EQ(csv.substr(0, csv.find('\n') + 1), "date,n1,n2,n3,n4,n5,n6,pb,extra\r\n");
    const CsvHistory read = historyFromCsv(csv);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(listed(read.draws), listed(draws));
    ASSERT_EQ(read.draws.size(), 2u);
    EXPECT_EQ(read.draws[1].Datum, 41347.5);  // a time of day survives
}

}  // namespace
}  // namespace kugel
