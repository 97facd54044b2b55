#include "model/history_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstring>

#include "platform/durable_file.h"

namespace kugel {

static_assert(std::endian::native == std::endian::little, "the record layout is little-endian");

std::string encodeRecord(const TZiehung& z) {
    std::string bytes(kRecordSize, '\0');
    std::memcpy(bytes.data(), &z.Datum, sizeof z.Datum);
    std::memcpy(bytes.data() + 8, z.Zahlen.data(), z.Zahlen.size());
    return bytes;
}

TZiehung decodeRecord(const char* bytes) {
    TZiehung z;
    std::memcpy(&z.Datum, bytes, sizeof z.Datum);
    std::memcpy(z.Zahlen.data(), bytes + 8, z.Zahlen.size());
    return z;
}

bool HistoryFile::exists() const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path_, ec);
}

std::vector<TZiehung> HistoryFile::readAll() const {
    const std::string bytes = readWholeFile(path_);
    std::vector<TZiehung> records;
    records.reserve(bytes.size() / kRecordSize);
    for (std::size_t off = 0; off + kRecordSize <= bytes.size(); off += kRecordSize)
        records.push_back(decodeRecord(bytes.data() + off));
    return records;
}

void HistoryFile::createEmpty() const {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw FileError(FileOperation::Create, path_, errno);
    ::close(fd);
}

void HistoryFile::append(const std::vector<TZiehung>& records) const {
    const int fd = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) throw FileError(FileOperation::Open, path_, errno);
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t whole = size < 0 ? 0 : size - size % static_cast<off_t>(kRecordSize);
    std::string bytes;
    for (const TZiehung& z : records) bytes += encodeRecord(z);
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
    if (!ok) throw FileError(FileOperation::Write, path_, err ? err : errno);
}

void HistoryFile::rewrite(const std::vector<TZiehung>& records,
                          const std::filesystem::path& temp) const {
    std::string bytes;
    bytes.reserve(records.size() * kRecordSize);
    for (const TZiehung& z : records) bytes += encodeRecord(z);
    replaceFileAtomically(path_, temp, bytes);
}

}  // namespace kugel
