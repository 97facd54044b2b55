// Replacing a file in one step: the temporary file is the program's own,
// links lead to the file that is replaced, and a pipe is written as it is.
#include "platform/durable_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "support/temp_dir.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
    return names;
}

// The old fixed temporary name NAME.tmp belongs to the user: a link planted
// there is not followed, a file of that name is not replaced.
TEST(ReplaceFile, LeavesTheUsersNameDotTmpAloneAndNoTemporaryFileBehind) {
    test::TempDir dir;
    const fs::path& d = dir.path();
    writeFile(d / "victim", "victim");
    fs::create_symlink(d / "victim", d / "mine.qlt.tmp");
    writeFile(d / "mine.qlt", "old");
    writeFile(d / "notes.txt.tmp", "the user's");

    replaceFileAtomically(d / "mine.qlt", "new");
    replaceFileAtomically(d / "notes.txt", "notes");

    EXPECT_EQ(readWholeFile(d / "victim"), "victim");
    EXPECT_TRUE(fs::is_symlink(d / "mine.qlt.tmp"));
    EXPECT_EQ(readWholeFile(d / "notes.txt.tmp"), "the user's");
    EXPECT_EQ(readWholeFile(d / "mine.qlt"), "new");
    EXPECT_EQ(readWholeFile(d / "notes.txt"), "notes");
    EXPECT_EQ(namesIn(d), (std::set<std::string>{"victim", "mine.qlt.tmp", "mine.qlt",
                                                 "notes.txt.tmp", "notes.txt"}));
}

// A link stays a link: the file it leads to gets the bytes, keeping the
// permissions its owner gave it.
TEST(ReplaceFile, FollowsLinksToTheFileTheyLeadTo) {
    test::TempDir dir;
    const fs::path& d = dir.path();
    fs::create_directory(d / "real");
    writeFile(d / "real" / "private.csv", "old");
    fs::permissions(d / "real" / "private.csv", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/private.csv", d / "link.csv");
    fs::create_symlink("link.csv", d / "chain.csv");
    fs::create_symlink(d / "real" / "new.csv", d / "dangling.csv");
    struct Case {
        const char* link;
        const char* file;
    };
    const Case cases[] = {
        {"link.csv", "real/private.csv"},
        {"chain.csv", "real/private.csv"},
        {"dangling.csv", "real/new.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        replaceFileAtomically(d / c.link, c.link);
        EXPECT_TRUE(fs::is_symlink(d / c.link));
        EXPECT_EQ(readWholeFile(d / c.file), c.link);
    }
    EXPECT_EQ(fs::status(d / "real" / "private.csv").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(d / "real"), (std::set<std::string>{"private.csv", "new.csv"}));
}

// A pipe is written to, not replaced; one that nobody reads is an error at
// once rather than a program that waits for ever.
TEST(ReplaceFile, WritesPipesDirectly) {
    test::TempDir dir;
    const fs::path fifo = dir.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(replaceFileAtomically(fifo, "lost"), FileError);

    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    replaceFileAtomically(fifo, "through the fifo");
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    // A descriptor handed to the program, as a shell's >(...) names it.
    replaceFileAtomically("/dev/fd/" + std::to_string(ends[1]), "through the descriptor");

    char buffer[64] = {};
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(::read(reader, buffer, sizeof buffer))),
              "through the fifo");
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(::read(ends[0], buffer, sizeof buffer))),
              "through the descriptor");
    EXPECT_NE(::fcntl(ends[1], F_GETFD), -1);  // written to, not closed: it is the caller's
    ::close(reader);
    ::close(ends[0]);
    ::close(ends[1]);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"fifo"});
}

// Only the program's own temporary files, and none still being written.
TEST(StaleTemporaryFiles, OnlyTheProgramsOwnUnusedOnesAreRemoved) {
    test::TempDir dir;
    const fs::path& d = dir.path();
    const std::string own = ".Tipp.txt.kugelmeister-a1B2c3D4.tmp";
    const std::set<std::string> kept = {
        "Tipp.txt.tmp",
        "Tipp.txt.kugelmeister-a1B2c3D4.tmp",   // not hidden
        ".Tipp.txt.kugelmeister-a1B2c3.tmp",    // too short
        ".Tipp.txt.kugelmeister-a1B2c3D!.tmp",  // not a letter
        ".Tipp.txt.kugelmeister-a1B2c3D4.tmp~",
        ".in-use.kugelmeister-00000000.tmp",
        ".link.kugelmeister-11111111.tmp",
    };
    writeFile(d / own, "left by a kill");
    for (const std::string& name : kept)
        if (name.find("link") == std::string::npos) writeFile(d / name, "kept");
    fs::create_symlink(d / "Tipp.txt.tmp", d / ".link.kugelmeister-11111111.tmp");
    const int inUse = ::open((d / ".in-use.kugelmeister-00000000.tmp").c_str(), O_RDONLY);
    ASSERT_GE(inUse, 0);
    ASSERT_EQ(::flock(inUse, LOCK_EX), 0);

    removeStaleTemporaryFiles(d);
    ::close(inUse);

    EXPECT_EQ(namesIn(d), kept);
    EXPECT_EQ(readWholeFile(d / "Tipp.txt.tmp"), "kept");
}

}  // namespace
}  // namespace kugel
