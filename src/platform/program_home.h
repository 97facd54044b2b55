#pragma once

#include <filesystem>

namespace kugel {

// The directory of the running executable.
std::filesystem::path executableDirectory();

// Where the shipped files (land/, Script/, yippee.wav, draws.csv) of an
// installed program lie, seen from its executable's directory: share/kugelmeister
// beside bin/. Empty when the executable does not sit in such a tree.
std::filesystem::path installedDataDirectory(const std::filesystem::path& executableDir);

// Where the shipped files lie: the installed data directory, or else the
// executable's own directory (a build tree, an unpacked copy).
std::filesystem::path shippedFilesDirectory(const std::filesystem::path& executableDir);

// The program directory `Home` when none is given on the command line. A
// program that keeps its files beside itself (a build tree, an unpacked
// copy) uses its own directory while that is writable. An installed program,
// or one whose directory is read-only, uses `userDataDir` instead: the
// directory is created and every shipped file it lacks is copied into it;
// what the user already has there is never overwritten, so an update or a
// reinstall of the program leaves the history and the user's files alone.
// Throws FileError when the user's directory cannot be made.
std::filesystem::path chooseProgramHome(const std::filesystem::path& executableDir,
                                        const std::filesystem::path& userDataDir);

// Creates `to` and copies every file below `from` that `to` lacks, keeping
// the tree's shape; executables are left out. Throws FileError.
void seedProgramDirectory(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace kugel
