#include "platform/program_home.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

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
    // Every file below the user's directory, by relative path.
    std::map<std::string, std::string> userFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(user))
            if (e.is_regular_file())
                files[fs::relative(e.path(), user).generic_string()] = readWholeFile(e.path());
        return files;
    }
};

TEST(ProgramHome, AnInstalledProgramSeedsTheUsersDirectoryAndNeverOverwritesTheUsersFiles) {
    Installed t;
    writeFile(t.user / "yippee.wav", "the user's own sound");
    writeFile(t.user / "Powerball.dat", "history");
    writeFile(t.user / "land" / "English.txt.tmp", "the user's own notes");

    EXPECT_EQ(chooseProgramHome(t.bin, t.user), t.user);
    EXPECT_EQ(readWholeFile(t.user / "land" / "English.txt"), "shipped language");
    EXPECT_EQ(readWholeFile(t.user / "yippee.wav"), "the user's own sound");
    EXPECT_EQ(readWholeFile(t.user / "Powerball.dat"), "history");
    EXPECT_EQ(readWholeFile(t.user / "land" / "English.txt.tmp"), "the user's own notes");
    // The user's own sound was never seeded: a newer shipped one leaves it alone.
    writeFile(t.shared / "yippee.wav", "a newer shipped sound");
    EXPECT_EQ(chooseProgramHome(t.bin, t.user), t.user);
    EXPECT_EQ(readWholeFile(t.user / "yippee.wav"), "the user's own sound");
}

// Version 1.0 is installed and started, the user works with it, 1.0.1 is
// installed over it and started.
TEST(ProgramHome, AnUpgradeReplacesTheShippedFilesTheUserLeftAloneAndKeepsTheRest) {
    Installed t;
    writeFile(t.shared / "land" / "Deutsch.txt", "Sprache 1.0");
    writeFile(t.shared / "Script" / "Liste.qcs", "script 1.0");
    writeFile(t.shared / "Powerball.dat", "history 1.0");
    writeFile(t.shared / "draws.csv", "draws 1.0");
    seedProgramDirectory(t.shared, t.user);

    writeFile(t.user / "land" / "Deutsch.txt", "meine Sprache");
    writeFile(t.user / "Powerball.dat", "history 1.0 and my draws");
    fs::remove(t.user / "Script" / "Liste.qcs");

    writeFile(t.shared / "land" / "English.txt", "shipped language 1.0.1");
    writeFile(t.shared / "land" / "Deutsch.txt", "Sprache 1.0.1");
    writeFile(t.shared / "land" / "Francais.txt", "langue 1.0.1");
    writeFile(t.shared / "Script" / "Liste.qcs", "script 1.0.1");
    writeFile(t.shared / "Powerball.dat", "history 1.0.1");
    writeFile(t.shared / "draws.csv", "draws 1.0.1");
    EXPECT_EQ(chooseProgramHome(t.bin, t.user), t.user);

    std::map<std::string, std::string> expected = {
        {"land/English.txt", "shipped language 1.0.1"},  // unchanged: replaced
        {"draws.csv", "draws 1.0.1"},                    // unchanged: replaced
        {"yippee.wav", "shipped sound"},                 // the same in both
        {"land/Deutsch.txt", "meine Sprache"},           // changed: kept
        {"Powerball.dat", "history 1.0 and my draws"},   // the history: never replaced
        {"land/Francais.txt", "langue 1.0.1"},           // new: added
        {"Script/Liste.qcs", "script 1.0.1"},            // deleted: brought back
    };
    std::map<std::string, std::string> files = t.userFiles();
    files.erase(kShippedFilesRecord);
    EXPECT_EQ(files, expected);

    // The changed file stays the user's at every later start, and once the
    // user takes back the shipped text it is followed again.
    writeFile(t.shared / "land" / "Deutsch.txt", "Sprache 1.0.2");
    writeFile(t.shared / "land" / "English.txt", "shipped language 1.0.2");
    seedProgramDirectory(t.shared, t.user);
    EXPECT_EQ(readWholeFile(t.user / "land" / "Deutsch.txt"), "meine Sprache");
    EXPECT_EQ(readWholeFile(t.user / "land" / "English.txt"), "shipped language 1.0.2");
    writeFile(t.user / "land" / "Deutsch.txt", "Sprache 1.0.2");
    seedProgramDirectory(t.shared, t.user);
    writeFile(t.shared / "land" / "Deutsch.txt", "Sprache 1.0.3");
    seedProgramDirectory(t.shared, t.user);
    EXPECT_EQ(readWholeFile(t.user / "land" / "Deutsch.txt"), "Sprache 1.0.3");
}

TEST(ProgramHome, WithoutARecordFilesEqualToAShippedVersionAreTakenAsUnchanged) {
    Installed t;
    writeFile(t.shared / "land" / "Deutsch.txt", "Sprache 1.0");
    writeFile(
        t.shared / ".earlier.sha256",
        "# every version shipped before\n"
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  land/English.txt\n");
    // Seeded by programs that kept no record: the English file as an earlier
    // version shipped it ("abc"), the German one as this version ships it,
    // the sound the user's.
    writeFile(t.user / "land" / "English.txt", "abc");
    writeFile(t.user / "land" / "Deutsch.txt", "Sprache 1.0");
    writeFile(t.user / "yippee.wav", "a sound of mine");
    seedProgramDirectory(t.shared, t.user);
    EXPECT_EQ(readWholeFile(t.user / "land" / "English.txt"), "shipped language");
    EXPECT_FALSE(fs::exists(t.user / ".earlier.sha256"));

    writeFile(t.shared / "land" / "Deutsch.txt", "Sprache 1.0.1");
    writeFile(t.shared / "yippee.wav", "shipped sound 1.0.1");
    seedProgramDirectory(t.shared, t.user);
    EXPECT_EQ(readWholeFile(t.user / "land" / "Deutsch.txt"), "Sprache 1.0.1");
    EXPECT_EQ(readWholeFile(t.user / "yippee.wav"), "a sound of mine");
}

TEST(ProgramHome, TheRecordIsWhatSha256sumChecks) {
    Installed t;
    writeFile(t.shared / "land" / "English.txt", "abc");
    writeFile(t.shared / "yippee.wav", "");
    seedProgramDirectory(t.shared, t.user);
    EXPECT_EQ(readWholeFile(t.user / kShippedFilesRecord),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  land/English.txt\n"
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  yippee.wav\n");
    // A block and a half: the padding spills into a second block.
    writeFile(t.shared / "yippee.wav", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq");
    fs::remove(t.user / "yippee.wav");
    seedProgramDirectory(t.shared, t.user);
    EXPECT_NE(readWholeFile(t.user / kShippedFilesRecord)
                  .find("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1  "
                        "yippee.wav\n"),
              std::string::npos);
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
