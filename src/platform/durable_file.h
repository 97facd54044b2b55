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
// complete data. Throws FileError; on failure `target` is untouched.
void replaceFileAtomically(const std::filesystem::path& target, const std::filesystem::path& temp,
                           std::string_view bytes);

std::string readWholeFile(const std::filesystem::path& path);  // throws FileError

// When the file was last modified, as a day value in UTC (the time base of
// the Last-Modified dates servers send); nothing when it cannot be read.
std::optional<double> modifiedDay(const std::filesystem::path& path);

}  // namespace kugel
