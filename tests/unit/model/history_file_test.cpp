#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "model/history_file.h"
#include "platform/durable_file.h"
#include "support/file_size_limit.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using test::day;
using test::draw;

TEST(HistoryFile, RecordLayoutIsThirtyTwoLittleEndianBytes) {
    const std::string bytes = encodeRecord(ersteZiehungRecord());
    ASSERT_EQ(bytes.size(), 32u);
    // 41340.0 as an IEEE double, little-endian.
    EXPECT_EQ(bytes.substr(0, 8), std::string("\0\0\0\0\x80\x2f\xe4\x40", 8));
    EXPECT_EQ(bytes.substr(8, 8), std::string("\x08\x10\x13\x19\x1a\x1d\x05\x00", 8));
    EXPECT_EQ(bytes.substr(16), std::string(16, '\0'));
    const TZiehung back = decodeRecord(bytes.data());
    EXPECT_EQ(back.Datum, 41340);
    EXPECT_EQ(back.Zahlen, ersteZiehungRecord().Zahlen);
}

TEST(HistoryFile, MissingFileIsAnErrorNamingTheFile) {
    test::TempDir dir;
    const HistoryFile h(dir.path() / "Powerball.dat");
    EXPECT_FALSE(h.exists());
    try {
        h.readAll();
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("Powerball.dat"), std::string::npos);
    }
    EXPECT_THROW(h.append(ersteZiehungRecord()), FileError);
}

TEST(HistoryFile, InterruptedAppendIsReadAsWholeRecordsAndRepairedByTheNextAppend) {
    test::TempDir dir;
    const auto path = dir.path() / "Powerball.dat";
    const TZiehung a = draw(day(2013, 3, 7), {8, 16, 19, 25, 26, 29}, 5);
    const TZiehung b = draw(day(2013, 3, 14), {5, 9, 23, 30, 35, 37}, 18);
    test::writeHistory(path, {a});
    {
        std::ofstream torn(path, std::ios::binary | std::ios::app);
        torn << encodeRecord(b).substr(0, 13);
    }
    const HistoryFile h(path);
    ASSERT_EQ(h.readAll().size(), 1u);
    h.append(b);
    EXPECT_EQ(std::filesystem::file_size(path), 64u);
    const auto records = h.readAll();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].Datum, b.Datum);
    EXPECT_EQ(records[1].Zahlen, b.Zahlen);
}

TEST(HistoryFile, RewriteReplacesInOneStepAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    const auto path = dir.path() / "Powerball.dat";
    test::writeHistory(path, {ersteZiehungRecord()});
    const HistoryFile h(path);
    h.rewrite({ersteZiehungRecord(), draw(day(2013, 3, 14), {1, 2, 3, 4, 5, 6}, 7)});
    EXPECT_EQ(h.readAll().size(), 2u);
    const std::filesystem::directory_iterator files(dir.path());
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);
}

TEST(HistoryFile, FailedRewriteKeepsTheHistory) {
    test::TempDir dir;
    const auto path = dir.path() / "Powerball.dat";
    test::writeHistory(path, {ersteZiehungRecord()});
    const HistoryFile h(path);
    {
        // The new history cannot be written whole.
        const test::FileSizeLimit limit(40);
        EXPECT_THROW(h.rewrite({ersteZiehungRecord(), ersteZiehungRecord()}), FileError);
    }
    ASSERT_EQ(h.readAll().size(), 1u);
    EXPECT_EQ(h.readAll()[0].Zahlen, ersteZiehungRecord().Zahlen);
    const std::filesystem::directory_iterator files(dir.path());
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);  // no temporary file left
}

// A pipe or a device in the history's place must neither hang the program
// (an open for writing waits for a reader) nor be written to or replaced.
TEST(HistoryFile, PipeOrDeviceInItsPlaceIsRefusedByEveryAccess) {
    using Access = std::function<void(const HistoryFile&)>;
    const std::pair<const char*, Access> accesses[] = {
        {"read", [](const HistoryFile& h) { h.readAll(); }},
        {"append", [](const HistoryFile& h) { h.append(ersteZiehungRecord()); }},
        {"create", [](const HistoryFile& h) { h.createEmpty(); }},
        {"rewrite", [](const HistoryFile& h) { h.rewrite({ersteZiehungRecord()}); }},
    };
    for (const bool pipe : {true, false}) {
        for (const auto& [name, access] : accesses) {
            SCOPED_TRACE(std::string(pipe ? "pipe, " : "device, ") + name);
            test::TempDir dir;
            const auto path = dir.path() / "Powerball.dat";
            if (pipe)
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            else
                std::filesystem::create_symlink("/dev/null", path);
            const HistoryFile h(path);
            EXPECT_TRUE(h.exists());
            try {
                access(h);
                ADD_FAILURE() << "no error";
            } catch (const FileError& e) {
                EXPECT_EQ(e.operation(), FileOperation::ReadIrregular);
                EXPECT_EQ(e.path(), path);
            }
            const auto kept = std::filesystem::symlink_status(path).type();
            EXPECT_EQ(kept, pipe ? std::filesystem::file_type::fifo
                                 : std::filesystem::file_type::symlink);
        }
    }
}

// The cache must never hand out records the file no longer holds: not after
// this program's own write of the same size, nor after another program's.
TEST(HistoryCache, KeepsTheRecordsOnlyWhileTheFileIsUnchanged) {
    test::TempDir dir;
    const auto path = dir.path() / "Powerball.dat";
    const TZiehung a = draw(day(2013, 3, 7), {8, 16, 19, 25, 26, 29}, 5);
    const TZiehung b = draw(day(2013, 3, 14), {5, 9, 23, 30, 35, 37}, 18);
    const TZiehung c = draw(day(2013, 3, 21), {3, 22, 26, 32, 34, 38}, 18);
    test::writeHistory(path, {a, b});
    HistoryCache cache;
    const HistoryCache::Records first = cache.read(path);
    ASSERT_EQ(first->size(), 2u);
    EXPECT_EQ(cache.read(path).get(), first.get()) << "read again though unchanged";

    const auto secondDate = [&] { return cache.read(path)->at(1).Datum; };
    HistoryFile(path).rewrite({a, c});  // same size, at once
    EXPECT_EQ(secondDate(), c.Datum);
    {
        std::ofstream other(path, std::ios::binary | std::ios::trunc);
        other << encodeRecord(a) << encodeRecord(b);
    }
    EXPECT_EQ(secondDate(), b.Datum);
    HistoryFile(path).append(c);
    EXPECT_EQ(cache.read(path)->size(), 3u);
    EXPECT_EQ(first->size(), 2u) << "records handed out stay as they were";

    std::filesystem::remove(path);
    EXPECT_THROW(cache.read(path), FileError);
}

}  // namespace
}  // namespace kugel
