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
        {"a header in any case",
         "Date,N1,N2,N3,N4,N5,N6,PB,Extra\n2013-03-07,8,16,19,25,26,29,5,1\n",
         "2013-03-07 8 16 19 25 26 29 5 1\n"},
        {"semicolons, a quoted field holding one, a quote doubled",
         "\"note\";date;n1;n2;n3;n4;n5;n6;pb\n\"a;\"\"b\"\"\";2013-03-07;8;16;19;25;26;29;5\n",
         "2013-03-07 8 16 19 25 26 29 5 0\n"},
        {"tabs, quoted numbers",
         "date\tn1\tn2\tn3\tn4\tn5\tn6\tpb\n\"2013-03-07\"\t\"8\"\t16\t19\t25\t26\t29\t5\n",
         "2013-03-07 8 16 19 25 26 29 5 0\n"},
        {"a time of day after the date is not stored",
         "date,n1,n2,n3,n4,n5,n6,pb\n2013-03-07 20:30,8,16,19,25,26,29,5\n"
         "2013-03-14 8:30:00 PM,5,9,23,30,35,37,18\n",
         "2013-03-07 8 16 19 25 26 29 5 0\n2013-03-14 5 9 23 30 35 37 18 0\n"},
    };
    for (const Case& c : cases) {
        const CsvHistory read = historyFromCsv(c.csv);
        EXPECT_TRUE(read.problems.empty()) << c.name << ": " << read.problems.front().reason;
        EXPECT_EQ(listed(read.draws), c.draws) << c.name;
    }
}

TEST(HistoryCsv, DayAndMonthAreReadAsTold) {
    const std::string csv = "date,n1,n2,n3,n4,n5,n6,pb\n3/4/2013,8,16,19,25,26,29,5\n";
    const std::pair<CsvDateFormat, const char*> cases[] = {
        {CsvDateFormat::DayMonthYear, "2013-04-03 8 16 19 25 26 29 5 0\n"},
        {CsvDateFormat::MonthDayYear, "2013-03-04 8 16 19 25 26 29 5 0\n"},
    };
    for (const auto& [format, draws] : cases) {
        const CsvHistory read = historyFromCsv(csv, {format, {}});
        EXPECT_TRUE(read.problems.empty()) << draws;
        EXPECT_EQ(listed(read.draws), draws);
    }
    EXPECT_EQ(listed(historyFromCsv("date,n1,n2,n3,n4,n5,n6,pb\n7.3.2013,8,16,19,25,26,29,5\n",
                                    {CsvDateFormat::DayMonthYear, {}})
                         .draws),
              "2013-03-07 8 16 19 25 26 29 5 0\n");
}

TEST(HistoryCsv, BadLinesAreNamedWithWhatWasExpected) {
    struct Case {
        const char* csv;
        CsvDateFormat dates;
        std::vector<std::pair<int, std::string>> problems;
    };
    const std::string header = "date,n1,n2,n3,n4,n5,n6,pb\n";
    const Case cases[] = {
        // never guessed: the ISO reading refuses a D/M/YYYY date, and back
        {"3/4/2013,8,16,19,25,26,29,5\n",
         CsvDateFormat::Iso,
         {{2, "bad date \"3/4/2013\" (expected YYYY-MM-DD)"}}},
        {"2013-03-07,8,16,19,25,26,29,5\n31/2/2013,8,16,19,25,26,29,5\n",
         CsvDateFormat::DayMonthYear,
         {{2, "bad date \"2013-03-07\" (expected D/M/YYYY)"},
          {3, "bad date \"31/2/2013\" (expected D/M/YYYY)"}}},
        {"2013-03-07 noon,8,16,19,25,26,29,5\n",
         CsvDateFormat::Iso,
         {{2, "bad date \"2013-03-07 noon\" (expected YYYY-MM-DD)"}}},
        // one draw per date: the history would count it twice
        {"2013-03-07,1,2,3,4,5,6,7\n2013-03-14,1,2,3,4,5,6,7\n2013-03-07,1,2,3,4,5,7,7\n",
         CsvDateFormat::Iso,
         {{4, "the date 2013-03-07 is on line 2 already"}}},
        {"\"2013-03-07,8,16,19,25,26,29,5\n", CsvDateFormat::Iso, {{2, "a quote is not closed"}}},
    };
    for (const Case& c : cases) {
        const CsvHistory read = historyFromCsv(header + c.csv, {c.dates, {}});
        std::vector<std::pair<int, std::string>> problems;
        for (const CsvProblem& p : read.problems) problems.emplace_back(p.line, p.reason);
        EXPECT_EQ(problems, c.problems) << c.csv;
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
