// A named pipe in the history's place: every operation of the database page
// refuses it with a message naming it. A plain open for writing would wait
// for a reader for ever; the test harness's time-out catches such a hang.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/test_app.h"

namespace kugel {
namespace {

TEST(IrregularHistory, PipeIsRefusedByEveryOperationWithoutWaiting) {
    const char* handlers[] = {"KugelmeisterClick", "SpeedButton5Click", "BitBtn8Click",
                              "BitBtn4Click"};
    for (const char* handler : handlers) {
        SCOPED_TRACE(handler);
        test::TestApp t;
        ASSERT_EQ(::mkfifo(t.historyPath().c_str(), 0600), 0);
        t.answer(DialogResult::Ok);
        t.app->invoke(t.form(), handler, nullptr);
        EXPECT_NE(t.takeOutput().find("messagebox \"Kugelmeister\" \"Die Datei kann nicht gelesen "
                                      "werden: \\\"" +
                                      t.historyPath().string() +
                                      "\\\" ist keine gewöhnliche Datei\" -> ok"),
                  std::string::npos);
        EXPECT_EQ(std::filesystem::symlink_status(t.historyPath()).type(),
                  std::filesystem::file_type::fifo);
        EXPECT_FALSE(t.form().Aktualisierunglaeuft);
    }
}

}  // namespace
}  // namespace kugel
