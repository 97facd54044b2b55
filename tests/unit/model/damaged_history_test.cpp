#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>

#include "model/history_file.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using test::day;
using test::draw;

// Records no writer of the program produces: numbers out of range, a
// repeated number, a date that is no day at all. Every reader must cope.
TEST(DamagedHistory, ReadersNeitherCrashNorIndexOutOfRange) {
    test::TestApp t;
    TZiehung outOfRange = draw(day(2013, 3, 14), {0, 41, 255, 7, 7, 7}, 0, 255);
    TZiehung noDate = draw(0, {1, 2, 3, 4, 5, 6}, 99);
    noDate.Datum = std::numeric_limits<double>::quiet_NaN();
    test::writeHistory(t.historyPath(), {ersteZiehungRecord(), outOfRange, noDate,
                                         draw(day(2013, 3, 28), {2, 5, 21, 26, 27, 28}, 19)});
    TForm1& f = t.form();
    const auto& row = f.ticket.rows[0];
    const char* numbers[] = {"7", "8", "16", "19", "25", "26"};
    for (std::size_t k = 0; k < 6; ++k) row.numbers[k]->setText(numbers[k]);
    row.powerball->setText("5");

    for (const double shown : {day(2013, 3, 14), day(2013, 3, 20), day(2013, 4, 30)}) {
        f.DateTimePicker1->setDate(shown);
        t.app->invoke(f, "SpeedButton5Click", f.SpeedButton5);
        for (const char* handler : {"SpeedButton6Click", "SpeedButton7Click", "SpeedButton2Click",
                                    "SpeedButton9Click", "Button2Click", "Button4Click"})
            t.app->invoke(f, handler, nullptr);
    }
    // The browser reached the damaged records and the ticket was checked
    // against them without a message: nothing here is an error to the user.
    EXPECT_EQ(t.takeOutput().find("messagebox"), std::string::npos);
    f.DateTimePicker1->setDate(day(2013, 3, 14));
    t.app->invoke(f, "SpeedButton5Click", f.SpeedButton5);
    EXPECT_EQ(f.Label13->caption(), "Quersumme: 317");  // 0+41+255+7+7+7
    EXPECT_EQ(row.hits->caption(), "3");                // the three 7s of the damaged draw
}

}  // namespace
}  // namespace kugel
