#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kugel {

// What was being done to a file when it failed.
enum class FileOperation { Create, Open, Read, Write, Replace, CreateDirectory };

// A file operation failed. It carries what failed, on which file and the
// system's reason; the program words it for the user in the language in use.
class FileError : public std::runtime_error {
  public:
    FileError(FileOperation operation, std::filesystem::path path, int errorNumber);

    FileOperation operation() const { return operation_; }
    const std::filesystem::path& path() const { return path_; }
    // The system's text for the error number.
    const std::string& reason() const { return reason_; }

  private:
    FileOperation operation_;
    std::filesystem::path path_;
    std::string reason_;
};

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

std::string readWholeFile(const std::filesystem::path& path);  // throws FileError

// When the file was last modified, as a day value in UTC (the time base of
// the Last-Modified dates servers send); nothing when it cannot be read.
std::optional<double> modifiedDay(const std::filesystem::path& path);

}  // namespace kugel
