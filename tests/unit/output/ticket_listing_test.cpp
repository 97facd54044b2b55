// The listing in a language the ANSI code page cannot hold.
#include "output/ticket_listing.h"

#include <gtest/gtest.h>

#include "model/message_table.h"
#include "model/ticket_controls.h"
#include "platform/codepage.h"
#include "platform/durable_file.h"
#include "support/test_app.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

// Written as UTF-8 with a mark, the Russian listing reads back in Russian
// instead of question marks.
TEST(TicketListing, ARussianListingReadsBackInRussian) {
    test::TestApp t;
    TForm1& f = t.form();
    fs::copy(fs::path(KUGEL_PROGRAM_DATA) / "land", t.dir.path() / "land",
             fs::copy_options::recursive);
    f.run("Russisch1Click", f.Russisch1);
    const std::string title = f.msg(Msg::PrintTitle);
    ASSERT_FALSE(fitsAnsi(title)) << title;
    f.DateTimePicker1->setDate(test::day(2018, 4, 19));
    const std::array<const char*, 6> numbers = {"8", "16", "19", "25", "26", "29"};
    for (std::size_t k = 0; k < numbers.size(); ++k)
        f.ticket.rows[0].numbers[k]->setText(numbers[k]);
    f.ticket.rows[0].powerball->setText("5");

    f.run("BitBtn7Click", f.BitBtn7);

    const std::string bytes = readWholeFile(t.dir.path() / kListingFile);
    EXPECT_EQ(detectEncoding(bytes), TextEncoding::Utf8);
    const std::vector<std::string> lines = splitLines(decodeTextFile(bytes));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind(title, 0), 0u) << lines[0];
    EXPECT_EQ(lines[3].find(title), 4u) << lines[3];
    EXPECT_EQ(bytes.find('?'), std::string::npos);
}

// Handing the ticket to the desktop can fail: no program opens the listing,
// or the printer refuses the pages. The player is told, and not otherwise.
TEST(TicketListing, AFailedOpeningOrPrintingIsSaid) {
    struct Case {
        const char* handler;
        bool fails;
        const char* said;  // empty: no message box
    };
    const Case cases[] = {
        {"BitBtn7Click", false, ""},
        {"BitBtn7Click", true, "Kein Programm hat die Tippliste geöffnet. Sie steht in"},
        {"Drucken1Click", false, ""},
        {"Drucken1Click", true, "Der Drucker hat den Tipp nicht angenommen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + (c.fails ? " failing" : ""));
        test::TestApp t;
        TForm1& f = t.form();
        for (const TicketRow& row : f.ticket.rows) {
            for (std::size_t k = 0; k < row.numbers.size(); ++k)
                row.numbers[k]->setText(std::to_string(k + 1));
            row.powerball->setText("7");
        }
        t.platform.nothingOpens = c.fails;
        t.platform.printerRefuses = c.fails;
        if (*c.said) t.answer(DialogResult::Ok);
        f.run(c.handler, nullptr);
        const std::string out = t.takeOutput();
        if (*c.said) {
            EXPECT_NE(out.find(std::string("messagebox \"Kugelmeister\" \"") + c.said),
                      std::string::npos)
                << out;
        } else {
            EXPECT_EQ(out.find("messagebox"), std::string::npos) << out;
        }
        EXPECT_EQ(t.platform.queuedAnswers(), 0u);
    }
    // The listing names where it lies, for the player to open it.
    test::TestApp t;
    t.platform.nothingOpens = true;
    t.answer(DialogResult::Ok);
    t.form().run("BitBtn7Click", nullptr);
    EXPECT_NE(t.takeOutput().find((t.dir.path() / kListingFile).string()), std::string::npos);
}

}  // namespace
}  // namespace kugel
