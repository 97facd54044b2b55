// The click-script template refresh against the reference server's
// /scripts/ route: only a complete, newer answer replaces the local copy.
#include <gtest/gtest.h>

#include <fstream>

#include "loopback.h"
#include "net/curl_http_client.h"
#include "online/script_choice_dialog.h"
#include "platform/durable_file.h"
#include "results_server.h"
#include "scripted/scripted_platform.h"

namespace kugel::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::hours;

struct TemplateRefresh : ::testing::Test {
    TempDir served;
    TempDir local;
    std::ostringstream out;
    ScriptedPlatform platform{out};
    fs::path localFile = local.path() / "Lotto.qcs";

    void SetUp() override {
        platform.http = [](const HttpRequest& r) { return curlHttpGet(r); };
    }
    static void write(const fs::path& file, const std::string& bytes, fs::file_time_type when) {
        std::ofstream(file, std::ios::binary) << bytes;
        fs::last_write_time(file, when);
    }
    std::string localBytes() const { return readWholeFile(localFile); }
};

TEST_F(TemplateRefresh, OnlyANewerCopyOfAnExistingTemplateReplacesIt) {
    const auto now = fs::file_time_type::clock::now();
    ResultsServer server("date,n1,n2,n3,n4,n5,n6,pb\n", {"--scripts", served.path().string()});

    // newer on the server: replaced with the bytes as served
    write(served.path() / "Lotto.qcs", "new\r\n\xE4", now);
    write(localFile, "old", now - hours(48));
    refreshTemplate(platform, server.baseUrl(), local.str(), localFile.string());
    EXPECT_EQ(localBytes(), "new\r\n\xE4");
    EXPECT_NE(out.str().find("http GET " + server.baseUrl() + "/scripts/Lotto.qcs.txt -> 200"),
              std::string::npos);

    // older on the server: kept
    write(served.path() / "Lotto.qcs", "older", now - hours(96));
    write(localFile, "mine", now - hours(48));
    refreshTemplate(platform, server.baseUrl(), local.str(), localFile.string());
    EXPECT_EQ(localBytes(), "mine");

    // unknown to the server: kept
    fs::remove(served.path() / "Lotto.qcs");
    refreshTemplate(platform, server.baseUrl(), local.str(), localFile.string());
    EXPECT_EQ(localBytes(), "mine");

    // missing here: never created
    write(served.path() / "Neu.qcs", "new", now);
    refreshTemplate(platform, server.baseUrl(), local.str(), (local.path() / "Neu.qcs").string());
    EXPECT_FALSE(fs::exists(local.path() / "Neu.qcs"));
}

TEST_F(TemplateRefresh, ABrokenOrFailedAnswerNeverReplacesTheTemplate) {
    write(localFile, "mine", fs::file_time_type::clock::now() - hours(48));
    const std::string newer = "Last-Modified: Fri, 01 Jan 2100 00:00:00 GMT\r\n";
    const std::pair<std::string, bool> replies[] = {
        {"HTTP/1.1 200 OK\r\n" + newer + "Content-Length: 100\r\n\r\nshort", true},
        {"HTTP/1.1 500 Error\r\n" + newer + "Content-Length: 3\r\n\r\nbad", true},
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nnew", true},            // no date: not newer
        {"HTTP/1.1 200 OK\r\n" + newer + "Content-Length: 0\r\n\r\n", true},  // empty
    };
    for (const auto& [reply, close] : replies) {
        SCOPED_TRACE(reply);
        RawServer server(reply, close);
        refreshTemplate(platform, "http://127.0.0.1:" + std::to_string(server.port()), local.str(),
                        localFile.string());
        EXPECT_EQ(localBytes(), "mine");
        const fs::directory_iterator files(local.path());
        EXPECT_EQ(std::distance(begin(files), end(files)), 1);  // no temporary file left
    }
}

// Whatever the dialog's field names, only a template in the program's
// script folder is ever replaced: a document elsewhere is the user's.
TEST_F(TemplateRefresh, OnlyATemplateInTheScriptFolderIsRefreshed) {
    const auto now = fs::file_time_type::clock::now();
    TempDir elsewhere;
    ResultsServer server("date,n1,n2,n3,n4,n5,n6,pb\n", {"--scripts", served.path().string()});
    for (const char* name : {"notes.txt", "Lotto.qcs"}) {
        write(served.path() / name, "from the server", now);
        write(elsewhere.path() / name, "the user's", now - hours(48));
    }
    fs::create_symlink(elsewhere.path() / "Lotto.qcs", local.path() / "Lotto.qcs");
    const fs::path named[] = {
        elsewhere.path() / "notes.txt",
        elsewhere.path() / "Lotto.qcs",
        local.path() / "Lotto.qcs",  // a link to the file elsewhere
        local.path() / ".." / elsewhere.path().filename() / "Lotto.qcs",
    };
    for (const fs::path& file : named) {
        SCOPED_TRACE(file.string());
        refreshTemplate(platform, server.baseUrl(), local.str(), file.string());
        EXPECT_EQ(readWholeFile(elsewhere.path() / "notes.txt"), "the user's");
        EXPECT_EQ(readWholeFile(elsewhere.path() / "Lotto.qcs"), "the user's");
    }
    EXPECT_TRUE(fs::is_symlink(local.path() / "Lotto.qcs"));
}

}  // namespace
}  // namespace kugel::test
