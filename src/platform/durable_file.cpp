#include "platform/durable_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

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

constexpr std::string_view kTemporaryMarker = ".kugelmeister-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomLength = 8;
// Enough of the target's name to recognise it, short enough that the
// temporary name stays within the file system's limit.
constexpr std::size_t kTemporaryStemLength = 100;

bool isNameCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string randomLetters() {
    static constexpr char kLetters[] =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    thread_local std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{
            device(), device(), static_cast<unsigned>(::getpid()),
            static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
        return std::mt19937_64(seed);
    }();
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string letters(kTemporaryRandomLength, '0');
    for (char& c : letters) c = kLetters[pick(generator)];
    return letters;
}

// Where the bytes go: a file to replace through a temporary one, or
// something that is written as it is (a pipe, a device, a descriptor the
// program was handed).
struct Destination {
    std::filesystem::path file;
    bool direct = false;
    int descriptor = -1;  // a descriptor of this process to write to, or -1
};

// The descriptor a path names when it is one this process already holds:
// /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N. Written to as it is,
// it keeps what the shell set up (its position, appending).
int heldDescriptor(const std::filesystem::path& path) {
    const std::string p = path.lexically_normal().string();
    if (p == "/dev/stdout") return STDOUT_FILENO;
    if (p == "/dev/stderr") return STDERR_FILENO;
    for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (p.size() <= prefix.size() || p.compare(0, prefix.size(), prefix) != 0) continue;
        int fd = 0;
        for (std::size_t i = prefix.size(); i < p.size(); ++i) {
            if (p[i] < '0' || p[i] > '9' || fd > 100000) return -1;
            fd = fd * 10 + (p[i] - '0');
        }
        return ::fcntl(fd, F_GETFD) == -1 ? -1 : fd;
    }
    return -1;
}

// Follows symbolic links to the file they lead to: that file is the one
// replaced, and the links stay as they are.
Destination destinationOf(const std::filesystem::path& target) {
    std::filesystem::path current = target;
    for (int hops = 0;; ++hops) {
        if (const int fd = heldDescriptor(current); fd >= 0) return {current, true, fd};
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT) return {current};  // a new file
            throw FileError(FileOperation::Create, target, errno);
        }
        if (S_ISREG(info.st_mode)) return {current};
        if (S_ISDIR(info.st_mode)) throw FileError(FileOperation::Create, target, EISDIR);
        if (!S_ISLNK(info.st_mode)) return {current, true};
        if (hops == 40) throw FileError(FileOperation::Create, target, ELOOP);
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(current, error);
        if (error) throw FileError(FileOperation::Create, target, error.value());
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
}

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& shown) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileError(FileOperation::Write, shown, errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

// A pipe or a device takes the bytes as they come. The open does not wait
// for a reader: a pipe nobody reads would hang the program for ever.
void writeDirectly(const Destination& to, std::string_view bytes,
                   const std::filesystem::path& shown) {
    if (to.descriptor >= 0) {
        writeAll(to.descriptor, bytes, shown);
        return;
    }
    const int fd = ::open(to.file.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw FileError(FileOperation::Create, shown, errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    try {
        writeAll(fd, bytes, shown);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0 && errno != EINTR) throw FileError(FileOperation::Write, shown, errno);
}

// A temporary file of the program's own name beside `file`, created anew:
// never one that was there, never through a link someone planted. It stays
// locked while it is in use, so a cleanup by another run of the program
// leaves it alone.
int createTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& created,
                          const std::filesystem::path& shown) {
    const std::filesystem::path folder = file.parent_path();
    const std::string stem = file.filename().string().substr(0, kTemporaryStemLength);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + stem + std::string(kTemporaryMarker) + randomLetters() +
                                 std::string(kTemporarySuffix);
        created = folder.empty() ? std::filesystem::path(name) : folder / name;
        const int fd =
            ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            return fd;
        }
        if (errno != EEXIST) throw FileError(FileOperation::Create, shown, errno);
    }
    throw FileError(FileOperation::Create, shown, EEXIST);
}

void syncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // best effort: the rename itself already happened
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool isOwnTemporaryName(std::string_view name) {
    const std::size_t tail =
        kTemporaryMarker.size() + kTemporaryRandomLength + kTemporarySuffix.size();
    if (name.size() < 1 + tail || name.front() != '.' || !name.ends_with(kTemporarySuffix))
        return false;
    const std::string_view end = name.substr(name.size() - tail);
    if (!end.starts_with(kTemporaryMarker)) return false;
    const std::string_view letters = end.substr(kTemporaryMarker.size(), kTemporaryRandomLength);
    return std::all_of(letters.begin(), letters.end(), isNameCharacter);
}

void DiskFiles::replace(const std::filesystem::path& target, std::string_view bytes) {
    const Destination to = destinationOf(target);
    if (to.direct) {
        writeDirectly(to, bytes, target);
        return;
    }
    std::filesystem::path temp;
    const int fd = createTemporaryBeside(to.file, temp, target);
    const auto discard = [&] {
        ::unlink(temp.c_str());
        ::close(fd);
    };
    // The new file keeps the permissions the user gave the old one.
    struct stat existing {};
    if (::stat(to.file.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 0777);
    try {
        writeAll(fd, bytes, target);
    } catch (...) {
        discard();
        throw;
    }
    if (::fsync(fd) != 0) {
        const int err = errno;
        discard();
        throw FileError(FileOperation::Write, target, err);
    }
    // Still open, so still locked: the name is in use until the rename.
    if (::rename(temp.c_str(), to.file.c_str()) != 0) {
        const int err = errno;
        discard();
        throw FileError(FileOperation::Replace, target, err);
    }
    ::close(fd);  // the data already reached the disk
    syncDirectory(to.file.parent_path());
}

void removeStaleTemporaryFiles(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path file = it->path();
        if (!isOwnTemporaryName(file.filename().string())) continue;
        const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        // A write still going on holds the lock; what was opened must be what
        // the name still stands for.
        struct stat opened {
        }, named{};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(file.c_str(), &named) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
            ::unlink(file.c_str());
        ::close(fd);
    }
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

std::optional<FileStamp> DiskFiles::stamp(const std::filesystem::path& path) const {
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

void DiskFiles::create(const std::filesystem::path& path) {
    ::close(openRegularFile(path, O_WRONLY | O_CREAT, FileOperation::Create));
}

void DiskFiles::appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
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

std::string DiskFiles::readWhole(const std::filesystem::path& path, std::size_t maxBytes) const {
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

namespace {

FileStore* currentStore = nullptr;

}  // namespace

FileStore& diskFiles() {
    static DiskFiles disk;
    return disk;
}

FileStore& fileStore() {
    return currentStore ? *currentStore : diskFiles();
}

UseFileStore::UseFileStore(FileStore& store) : previous_(currentStore) {
    currentStore = &store;
}

UseFileStore::~UseFileStore() {
    currentStore = previous_;
}

void replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    fileStore().replace(target, bytes);
}

std::optional<FileStamp> fileStamp(const std::filesystem::path& path) {
    return fileStore().stamp(path);
}

bool isRegularFile(const std::filesystem::path& path) {
    const std::optional<FileStamp> stamp = fileStamp(path);
    return stamp && S_ISREG(stamp->mode);
}

void createFile(const std::filesystem::path& path) {
    fileStore().create(path);
}

void appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
                             std::size_t recordSize) {
    fileStore().appendAfterWholeRecords(path, bytes, recordSize);
}

std::string readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    return fileStore().readWhole(path, maxBytes);
}

}  // namespace kugel
