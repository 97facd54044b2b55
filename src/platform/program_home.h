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
// or one whose directory is read-only, uses `userDataDir` instead, brought up
// to date with the shipped files by seedProgramDirectory on every start.
// Throws FileError when the user's directory cannot be made.
std::filesystem::path chooseProgramHome(const std::filesystem::path& executableDir,
                                        const std::filesystem::path& userDataDir);

// The record, in `to`, of what seedProgramDirectory put there: one line per
// file, "SHA-256 of the content as copied, two spaces, path relative to `to`",
// LF-ended. It is the format of `sha256sum`, so `sha256sum -c` run in that
// directory lists the files the user has changed since.
inline constexpr const char* kShippedFilesRecord = ".shipped.sha256";

// Creates `to` and brings the shipped files below `from` into it, keeping the
// tree's shape, the way a package manager treats configuration files:
//   - a file `to` lacks is copied;
//   - a file whose content is still what was copied earlier (as the record
//     says; without a record entry, what `from/.earlier.sha256` lists as an
//     earlier shipped version) is replaced by the shipped one when that is
//     newer;
//   - a file the user changed, or one of the user's own that was never
//     copied, is kept as it is;
// and the record is rewritten. Executables are left out, and the history
// (Powerball.dat) is the user's data: it is copied when missing, never
// replaced. Replacing a file is best effort (a failure keeps the old file and
// tries again at the next start); throws FileError when `to` cannot be made
// or a missing file cannot be copied.
void seedProgramDirectory(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace kugel
