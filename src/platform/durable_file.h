#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kugel {

// A file operation failed; the text is the system's reason with the file name.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Builds the error for a failed operation on a file from errno.
FileError fileError(const char* what, const std::filesystem::path& path, int errorNumber);

// Writes the bytes to `temp`, flushes them to disk, then renames `temp` over
// `target` in one step: at every moment one of the two files holds the
// complete data. Throws FileError naming `target`; on failure `target` is
// untouched.
void replaceFileAtomically(const std::filesystem::path& target, const std::filesystem::path& temp,
                           std::string_view bytes);

// Creates the file when it is missing; an existing file is left as it is.
void createFile(const std::filesystem::path& path);  // throws FileError

// Appends the bytes to a file of fixed-size records. A partial record at the
// end (an append that was interrupted) is overwritten, so the file always
// stays a whole number of records. Throws FileError.
void appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
                             std::size_t recordSize);


// The whole content of a regular file. Throws FileError when it cannot be
// read, when it is no regular file (a directory, a device, a pipe would fail
// late, never end or block), or when it holds more than `maxBytes`.
std::string readWholeFile(const std::filesystem::path& path,
                          std::size_t maxBytes = static_cast<std::size_t>(-1));

// When the file was last modified, as a day value in UTC (the time base of
// the Last-Modified dates servers send); nothing when it cannot be read.
std::optional<double> modifiedDay(const std::filesystem::path& path);

}  // namespace kugel
