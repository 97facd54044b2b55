#include "platform/program_home.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/durable_file.h"
#include "support/temp_dir.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// An installed tree: the programs in bin/, the shipped files in share/kugelmeister/.
struct Installed {
    test::TempDir root;
    fs::path bin = root.path() / "prefix" / "bin";
    fs::path shared = root.path() / "prefix" / "share" / "kugelmeister";
    fs::path user = root.path() / "data" / "kugelmeister";
    Installed() {
        writeFile(bin / "kugelmeister-cli", "program");
        writeFile(shared / "land" / "English.txt", "shipped language");
        writeFile(shared / "yippee.wav", "shipped sound");
    }
};

TEST(ProgramHome, AnInstalledProgramSeedsTheUsersDirectoryAndNeverOverwritesIt) {
    Installed t;
    writeFile(t.user / "yippee.wav", "the user's own sound");
    writeFile(t.user / "Powerball.dat", "history");

    EXPECT_EQ(chooseProgramHome(t.bin, t.user), t.user);
    EXPECT_EQ(readWholeFile(t.user / "land" / "English.txt"), "shipped language");
    EXPECT_EQ(readWholeFile(t.user / "yippee.wav"), "the user's own sound");
    EXPECT_EQ(readWholeFile(t.user / "Powerball.dat"), "history");
    // A second start copies nothing over what is there.
    writeFile(t.shared / "land" / "English.txt", "a newer shipped language");
    EXPECT_EQ(chooseProgramHome(t.bin, t.user), t.user);
    EXPECT_EQ(readWholeFile(t.user / "land" / "English.txt"), "shipped language");
}

TEST(ProgramHome, AProgramWithItsFilesBesideItStaysInItsWritableDirectory) {
    test::TempDir dir;
    writeFile(dir.path() / "land" / "English.txt", "language");
    const fs::path user = dir.path() / "elsewhere";
    EXPECT_EQ(chooseProgramHome(dir.path(), user), dir.path());
    EXPECT_FALSE(fs::exists(user));
}

TEST(ProgramHome, SeedingSkipsPrograms) {
    Installed t;
    const fs::path tool = t.shared / "tool";
    writeFile(tool, "#!/bin/sh");
    fs::permissions(tool, fs::perms::owner_exec, fs::perm_options::add);
    seedProgramDirectory(t.shared, t.user);
    EXPECT_TRUE(fs::exists(t.user / "yippee.wav"));
    EXPECT_FALSE(fs::exists(t.user / "tool"));
}

}  // namespace
}  // namespace kugel
