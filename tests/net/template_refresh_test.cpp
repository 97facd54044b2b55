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
    refreshTemplate(platform, server.baseUrl(), localFile.string());
    EXPECT_EQ(localBytes(), "new\r\n\xE4");
    EXPECT_NE(out.str().find("http GET " + server.baseUrl() + "/scripts/Lotto.qcs.txt -> 200"),
              std::string::npos);

    // older on the server: kept
    write(served.path() / "Lotto.qcs", "older", now - hours(96));
    write(localFile, "mine", now - hours(48));
    refreshTemplate(platform, server.baseUrl(), localFile.string());
    EXPECT_EQ(localBytes(), "mine");

    // unknown to the server: kept
    fs::remove(served.path() / "Lotto.qcs");
    refreshTemplate(platform, server.baseUrl(), localFile.string());
    EXPECT_EQ(localBytes(), "mine");

    // missing here: never created
    write(served.path() / "Neu.qcs", "new", now);
    refreshTemplate(platform, server.baseUrl(), (local.path() / "Neu.qcs").string());
    EXPECT_FALSE(fs::exists(local.path() / "Neu.qcs"));
}

TEST_F(TemplateRefresh, ABrokenOrFailedAnswerNeverReplacesTheTemplate) {
    write(localFile, "mine", fs::file_time_type::clock::now() - hours(48));
    const std::string newer = "Last-Modified: Fri, 01 Jan 2100 00:00:00 GMT\r\n";
    const std::pair<std::string, bool> replies[] = {
        {"HTTP/1.1 200 OK\r\n" + newer + "Content-Length: 100\r\n\r\nshort", true},
        {"HTTP/1.1 500 Error\r\n" + newer + "Content-Length: 3\r\n\r\nbad", true},
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nnew", true},  // no date: not newer
    };
    for (const auto& [reply, close] : replies) {
        SCOPED_TRACE(reply);
        RawServer server(reply, close);
        refreshTemplate(platform, "http://127.0.0.1:" + std::to_string(server.port()),
                        localFile.string());
        EXPECT_EQ(localBytes(), "mine");
        EXPECT_FALSE(fs::exists(localFile.string() + ".tmp"));
    }
}

}  // namespace
}  // namespace kugel::test
