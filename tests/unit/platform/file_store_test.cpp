// The file store the program's readers and writers go through: the files in
// memory behave as the disk's do, and the readers find files held only there.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "model/added_texts.h"
#include "model/history_file.h"
#include "output/tip_file.h"
#include "platform/durable_file.h"
#include "support/memory_files.h"
#include "support/temp_dir.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

// What an operation did: the failed operation's kind, or "ok".
std::string outcome(const std::function<void()>& operation) {
    try {
        operation();
        return "ok";
    } catch (const FileError& e) {
        return "failed " + std::to_string(static_cast<int>(e.operation()));
    }
}

// The same steps on the disk and in memory give the same results, so that a
// fuzz target or test in memory runs the program as the disk would.
TEST(FileStore, MemoryFilesFollowTheDisksRules) {
    test::TempDir dir;
    test::MemoryFiles memory;
    std::vector<std::vector<std::string>> results;
    for (FileStore* store : {&diskFiles(), static_cast<FileStore*>(&memory)}) {
        const fs::path file = dir.path() / "records";
        const fs::path missing = dir.path() / "missing";
        std::vector<std::string> seen;
        seen.push_back(outcome([&] { store->readWhole(missing, 100); }));
        seen.push_back(outcome([&] { store->appendAfterWholeRecords(missing, "ab", 2); }));
        seen.push_back(store->stamp(missing) ? "stamp" : "no stamp");
        store->replace(file, "abcde");
        store->create(file);  // keeps what is there
        const auto before = store->stamp(file);
        // The partial record at the end gives way to the new one.
        store->appendAfterWholeRecords(file, "XY", 2);
        seen.push_back(store->readWhole(file, 100));
        seen.push_back(outcome([&] { store->readWhole(file, 5); }));
        const auto after = store->stamp(file);
        seen.push_back(after && S_ISREG(after->mode) ? "regular" : "no regular file");
        seen.push_back(std::to_string(after ? after->size : -1));
        seen.push_back(before == after ? "stamp unchanged" : "stamp changed");
        results.push_back(seen);
    }
    const std::vector<std::string> expected = {
        "failed " + std::to_string(static_cast<int>(FileOperation::Open)),
        "failed " + std::to_string(static_cast<int>(FileOperation::Open)),
        "no stamp",
        "abcdXY",
        "failed " + std::to_string(static_cast<int>(FileOperation::ReadTooLarge)),
        "regular",
        "6",
        "stamp changed"};
    EXPECT_EQ(results[0], expected) << "on the disk";
    EXPECT_EQ(results[1], expected) << "in memory";
}

// Files that exist only in the store in use are found and read by the
// program's readers; nothing on the disk answers for them.
TEST(FileStore, ReadersFindFilesHeldOnlyInMemory) {
    test::TempDir dir;
    test::MemoryFiles memory;
    const UseFileStore use(memory);
    const fs::path history = dir.path() / "Powerball.dat";
    TZiehung draw = ersteZiehungRecord();
    memory.put(history, encodeRecord(draw));
    EXPECT_TRUE(HistoryFile(history).exists());
    HistoryCache cache;
    EXPECT_EQ(cache.read(history)->size(), 1u);
    draw.Datum += 7;
    HistoryFile(history).append({draw});
    ASSERT_EQ(cache.read(history)->size(), 2u);
    EXPECT_EQ(memory.content(history)->size(), 2 * kRecordSize);

    const fs::path tips = dir.path() / "ticket.qlt";
    memory.put(tips, "1,2,3,4,5,6,7\r\n8,9,10,11,12,13,14\r\n");
    EXPECT_EQ(readAllTipFileLines(tips.string()),
              (std::vector<std::string>{"1,2,3,4,5,6,7", "8,9,10,11,12,13,14"}));
    EXPECT_TRUE(isRegularFile(tips));
    memory.put(tips, std::string(2 << 20, '1'));
    EXPECT_THROW(readAllTipFileLines(tips.string()), TextError);
    EXPECT_FALSE(fs::exists(tips));
}

}  // namespace
}  // namespace kugel
