#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kugel {

// What was being done to a file when it failed.
enum class FileOperation {
    Create,
    Open,
    Read,
    Write,
    Replace,
    CreateDirectory,
    ReadIrregular,  // a directory, device or pipe where a file was expected
    ReadTooLarge,   // the reason holds the limit in bytes
};

// A file operation failed. It carries what failed, on which file and the
// system's reason; the program words it for the user in the language in use.
class FileError : public std::runtime_error {
  public:
    FileError(FileOperation operation, std::filesystem::path path, int errorNumber);
    // A failure the system does not report, described by `detail`.
    FileError(FileOperation operation, std::filesystem::path path, std::string detail);

    FileOperation operation() const { return operation_; }
    const std::filesystem::path& path() const { return path_; }
    // The system's text for the error number, or the detail given.
    const std::string& reason() const { return reason_; }

  private:
    FileOperation operation_;
    std::filesystem::path path_;
    std::string reason_;
};

// Makes `bytes` the content of `target`. A regular file, or a new one, is
// replaced in one step: the bytes go to a temporary file of the program's
// own (see isOwnTemporaryName) beside it, created anew and never through a
// link, reach the disk, and are renamed over the file, so at every moment the
// old or the new content is there whole. A symbolic link is followed: the
// file it leads to is replaced and the link stays. Anything else – a pipe, a
// device, a descriptor the program was handed (/dev/stdout, /dev/fd/N) – is
// written directly. Throws FileError naming `target`; after a failure a
// replaced file is untouched and no temporary file is left.
void replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Whether a file name is one the program gives its temporary files:
// "." + the target's name + ".kugelmeister-" + 8 letters or digits + ".tmp".
bool isOwnTemporaryName(std::string_view name);

// Removes the program's temporary files that an interrupted write (a kill,
// a power cut) left in `folder`. Only names of the program's own pattern are
// touched, and none that a running write still uses; errors are ignored.
void removeStaleTemporaryFiles(const std::filesystem::path& folder);

// Creates the file when it is missing; an existing file is left as it is.
// Throws FileError, also when something other than a regular file is there.
void createFile(const std::filesystem::path& path);

// Throws FileError when something other than a regular file (a directory, a
// device, a pipe) is at `path`; nothing there, or a regular file, passes.
// Never opens what it looks at, so it cannot block.
void refuseIrregularFile(const std::filesystem::path& path);

// What tells one state of a file from another without reading it: which file
// is at the path, its kind, size, and the times of its last change. Equal
// stamps mean unchanged contents as far as the file system can say.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint32_t mode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
// Nullopt when nothing is at the path (or it cannot be examined).
std::optional<FileStamp> fileStamp(const std::filesystem::path& path);

// Whether a regular file is at the path (a link is followed).
bool isRegularFile(const std::filesystem::path& path);

// Appends the bytes to a file of fixed-size records. A partial record at the
// end (an append that was interrupted) is overwritten, so the file always
// stays a whole number of records. Throws FileError, also for anything that
// is no regular file.
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

// Where the files above are read and kept: the history, tip files, number
// lists, language files, script templates and whatever else the functions
// above reach. The program keeps them on the file system; tests and the
// fuzz targets put a store in memory in its place, so that an input runs
// the program's own path from the file to the window without a disk.
class FileStore {
  public:
    virtual ~FileStore() = default;
    // As readWholeFile, fileStamp, createFile, appendAfterWholeRecords and
    // replaceFileAtomically describe them; the same FileError on failure.
    virtual std::string readWhole(const std::filesystem::path& path,
                                  std::size_t maxBytes) const = 0;
    virtual std::optional<FileStamp> stamp(const std::filesystem::path& path) const = 0;
    virtual void create(const std::filesystem::path& path) = 0;
    virtual void appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
                                         std::size_t recordSize) = 0;
    virtual void replace(const std::filesystem::path& path, std::string_view bytes) = 0;
};

// The file system.
class DiskFiles : public FileStore {
  public:
    std::string readWhole(const std::filesystem::path& path, std::size_t maxBytes) const override;
    std::optional<FileStamp> stamp(const std::filesystem::path& path) const override;
    void create(const std::filesystem::path& path) override;
    void appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
                                 std::size_t recordSize) override;
    void replace(const std::filesystem::path& path, std::string_view bytes) override;
};
FileStore& diskFiles();

// The store in use: the file system unless a UseFileStore lives.
FileStore& fileStore();

// Puts `store` in the file system's place while it lives, for the whole
// process; the one it replaced comes back after it. Only tests and fuzz
// targets do this, before the program's first file access.
class UseFileStore {
  public:
    explicit UseFileStore(FileStore& store);
    ~UseFileStore();
    UseFileStore(const UseFileStore&) = delete;
    UseFileStore& operator=(const UseFileStore&) = delete;

  private:
    FileStore* previous_;
};

}  // namespace kugel
