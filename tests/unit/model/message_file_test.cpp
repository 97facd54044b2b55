#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/added_texts.h"
#include "model/conversion.h"
#include "model/message_table.h"
#include "platform/durable_file.h"
#include "support/test_app.h"

namespace kugel {
namespace {

std::vector<std::string> numberedLines(int count, const std::string& prefix) {
    std::vector<std::string> lines;
    for (int k = 0; k < count; ++k) lines.push_back(prefix + std::to_string(k));
    return lines;
}

std::vector<AddedText> allAddedTexts() {
    std::vector<AddedText> all;
    for (int k = 0; k < kAddedTextCount; ++k)
        all.push_back(static_cast<AddedText>(kDesignedMessageCount + k));
    return all;
}

TEST(MessageFile, DesignedMessagesTakeTheWholeFileAddedTextsOnlyTheirOwnLines) {
    struct Case {
        const char* name;
        int lines;
        int addedReplaced;  // added texts that get a line of the file
    };
    const Case cases[] = {
        {"short file: missing designed messages are empty", 10, 0},
        {"exactly the designed messages", kDesignedMessageCount, 0},
        {"two lines after the designed ones", kDesignedMessageCount + 2, 2},
        {"a line for every added text", kDesignedMessageCount + kAddedTextCount, kAddedTextCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestApp t;
        TForm1& f = t.form();
        // A file taken before must not leave its wording behind.
        applyMessageFile(numberedLines(kDesignedMessageCount + kAddedTextCount, "old "), *f.Memo2,
                         f.addedTexts);
        applyMessageFile(numberedLines(c.lines, "m"), *f.Memo2, f.addedTexts);

        EXPECT_EQ(f.msg(Msg::AnalysisAskFrom), "m0");
        EXPECT_EQ(f.msg(Msg::RowSum), c.lines > 43 ? "m43" : "");
        EXPECT_EQ(f.msg(Msg::RandomPickStop), c.lines > 61 ? "m61" : "");
        for (const AddedText a : allAddedTexts()) {
            const int k = messageNumber(a);
            if (k - kDesignedMessageCount < c.addedReplaced)
                EXPECT_EQ(f.msg(a), "m" + std::to_string(k));
            else
                EXPECT_EQ(f.msg(a), builtInAddedTexts()[a]) << k;
        }
    }
}

TEST(MessageFile, BuiltInAddedTextsKeepTheWordingUsersKnow) {
    const AddedTexts texts;
    EXPECT_EQ(messageNumber(AddedText::FileCannotCreate), 62);
    EXPECT_EQ(texts.format(AddedText::FileCannotOpen, {"/tmp/Powerball.dat", "No such file"}),
              "Die Datei kann nicht geöffnet werden: \"/tmp/Powerball.dat\": No such file");
    EXPECT_EQ(ConversionError("4 0").what(), std::string("'4 0' ist kein gültiger Integerwert"));
    EXPECT_EQ(texts.format(AddedText::BadWeightLine, {"w.txt", "3", "x", "1000"}),
              "Die Liste w.txt kann nicht geladen werden: Zeile 3 (\"x\") ist keine Gewichtung "
              "von 0 bis 1000.");
}

TEST(MessageFile, PlacesAreFilledOnceAndInAnyOrder) {
    AddedTexts texts;
    std::vector<std::string> file(kDesignedMessageCount);
    file.push_back("%2 <- %1 (%3)");  // FileCannotCreate, reordered, %3 has no word
    texts.takeFrom(file);
    // A word that itself looks like a place is not filled again.
    EXPECT_EQ(texts.format(AddedText::FileCannotCreate, {"a%2b", "why"}), "why <- a%2b (%3)");
}

TEST(MessageFile, ErrorsReachTheUserInTheLanguageInUse) {
    test::TestApp t;
    TForm1& f = t.form();
    std::vector<std::string> file(kDesignedMessageCount);
    file.push_back("cannot create %1 (%2)");  // FileCannotCreate
    file.push_back("");                       // FileCannotOpen: an empty line is a text too
    file.push_back("cannot read %1");         // FileCannotRead
    file.push_back("cannot write %1");        // FileCannotWrite
    file.push_back("cannot replace %1");      // FileCannotReplace
    file.push_back("'%1' is not a whole number");
    applyMessageFile(file, *f.Memo2, f.addedTexts);

    f.addHandler("BadNumber", [](Component*) { throw ConversionError("x"); });
    f.addHandler("BadFile",
                 [](Component*) { throw FileError(FileOperation::Read, "/d/Zahlen.dat", 5); });
    t.answer(DialogResult::Ok);
    t.answer(DialogResult::Ok);
    t.app->invoke(f, "BadNumber", nullptr);
    t.app->invoke(f, "BadFile", nullptr);
    const std::string out = t.takeOutput();
    EXPECT_NE(out.find("\"'x' is not a whole number\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"cannot read /d/Zahlen.dat\""), std::string::npos) << out;
    // The error itself keeps the built-in wording for logs and callers.
    EXPECT_EQ(ConversionError("x").what(), std::string("'x' ist kein gültiger Integerwert"));
    EXPECT_EQ(f.msg(AddedText::FileCannotOpen), "");
    EXPECT_EQ(f.msg(AddedText::RepeatedNumbers), builtInAddedTexts()[AddedText::RepeatedNumbers]);
}

}  // namespace
}  // namespace kugel
