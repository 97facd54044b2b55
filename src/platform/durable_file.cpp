#include "platform/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "platform/dates.h"

namespace kugel {

namespace {

const char* verb(FileOperation op) {
    switch (op) {
        case FileOperation::Create:
            return "create";
        case FileOperation::Open:
            return "open";
        case FileOperation::Read:
            return "read";
        case FileOperation::Write:
            return "write";
        case FileOperation::Replace:
            return "replace";
        case FileOperation::CreateDirectory:
            return "create the directory";
        case FileOperation::ReadIrregular:
            return "read (not a regular file)";
        case FileOperation::ReadTooLarge:
            return "read (too large, limit in bytes)";
    }
    return "use";
}

}  // namespace

// what() is for logs and tests; the user sees the program's own wording.
FileError::FileError(FileOperation operation, std::filesystem::path path, int errorNumber)
    : std::runtime_error(std::string("cannot ") + verb(operation) + " \"" + path.string() +
                         "\": " + std::strerror(errorNumber)),
      operation_(operation),
      path_(std::move(path)),
      reason_(std::strerror(errorNumber)) {}

FileError::FileError(FileOperation operation, std::filesystem::path path, std::string detail)
    : std::runtime_error(std::string("cannot ") + verb(operation) + " \"" + path.string() + "\"" +
                         (detail.empty() ? "" : ": " + detail)),
      operation_(operation),
      path_(std::move(path)),
      reason_(std::move(detail)) {}

namespace {

// Errors name `shown`, the file the user knows, rather than the temporary one.
void writeAllAndSync(const std::filesystem::path& path, std::string_view bytes,
                     const std::filesystem::path& shown) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw FileError(FileOperation::Create, shown, errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            throw FileError(FileOperation::Write, shown, err);
        }
        done += static_cast<std::size_t>(n);
    }
    // The descriptor is closed whether or not the data reached the disk.
    const int syncError = ::fsync(fd) != 0 ? errno : 0;
    const int closeError = ::close(fd) != 0 ? errno : 0;
    if (syncError != 0 || closeError != 0)
        throw FileError(FileOperation::Write, shown, syncError != 0 ? syncError : closeError);
}

void syncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // best effort: the rename itself already happened
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void replaceFileAtomically(const std::filesystem::path& target, const std::filesystem::path& temp,
                           std::string_view bytes) {
    try {
        writeAllAndSync(temp, bytes, target);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw;
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw FileError(FileOperation::Replace, target, err);
    }
    syncDirectory(target.parent_path());
}

namespace {

// A directory keeps the wording of a failed read; anything else that is no
// regular file (a pipe, a device, a socket) is named as such.
FileError notRegularFile(const std::filesystem::path& path, mode_t mode) {
    if (S_ISDIR(mode)) return FileError(FileOperation::Read, path, EISDIR);
    return FileError(FileOperation::ReadIrregular, path, std::string());
}

// Opens a file that must be a regular one. Nothing else is even opened when
// it can be told beforehand; the open itself does not block either (a named
// pipe without its other end would hang it for ever), and what it opened is
// checked again, for the file may have been swapped in between.
int openRegularFile(const std::filesystem::path& path, int flags, FileOperation failedOpen) {
    refuseIrregularFile(path);
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        const int err = errno;
        // A pipe nobody reads from refuses a writer that does not wait.
        if (err == ENXIO) throw FileError(FileOperation::ReadIrregular, path, std::string());
        throw FileError(failedOpen, path, err);
    }
    struct stat info {};
    const int statErr = ::fstat(fd, &info) != 0 ? errno : 0;
    if (statErr == 0 && S_ISREG(info.st_mode)) return fd;
    ::close(fd);
    if (statErr != 0) throw FileError(FileOperation::Read, path, statErr);
    throw notRegularFile(path, info.st_mode);
}

}  // namespace

void refuseIrregularFile(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        throw notRegularFile(path, info.st_mode);
}

std::optional<FileStamp> fileStamp(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    const auto ns = [](const timespec& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    };
    return FileStamp{static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint32_t>(info.st_mode),
                     static_cast<std::int64_t>(info.st_size),
                     ns(info.st_mtim),
                     ns(info.st_ctim)};
}

void createFile(const std::filesystem::path& path) {
    ::close(openRegularFile(path, O_WRONLY | O_CREAT, FileOperation::Create));
}

void appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
                             std::size_t recordSize) {
    const int fd = openRegularFile(path, O_RDWR, FileOperation::Open);
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t whole = size < 0 ? 0 : size - size % static_cast<off_t>(recordSize);
    // An interrupted append left a partial record; the new one replaces it.
    bool ok = size >= 0 && (whole == size || ::ftruncate(fd, whole) == 0);
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                   whole + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    const int err = errno;
    if (::close(fd) != 0 && ok) ok = false;
    if (!ok) throw FileError(FileOperation::Write, path, err ? err : errno);
}

std::string readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    const int fd = openRegularFile(path, O_RDONLY, FileOperation::Open);
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            throw FileError(FileOperation::Read, path, err);
        }
        if (n == 0) break;
        // Checked while reading: the file may grow after its size was seen.
        if (static_cast<std::size_t>(n) > maxBytes - bytes.size()) {
            ::close(fd);
            throw FileError(FileOperation::ReadTooLarge, path, std::to_string(maxBytes));
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::optional<double> modifiedDay(const std::filesystem::path& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    const auto sinceEpoch = std::chrono::file_clock::to_sys(written).time_since_epoch();
    const double seconds = std::chrono::duration<double>(sinceEpoch).count();
    static const double unixEpoch = *encodeDate(1970, 1, 1);
    return unixEpoch + seconds / 86400.0;
}

}  // namespace kugel
