#include "model/history_file.h"

#include <atomic>
#include <bit>
#include <cstring>

#include "platform/durable_file.h"

namespace kugel {

static_assert(std::endian::native == std::endian::little, "the record layout is little-endian");

namespace {

// Counts this program's writes to any history: a write within the file
// system's time resolution that keeps the size would leave the stamp alone.
std::atomic<std::uint64_t> historyWrites{0};

}  // namespace

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
    return fileStamp(path_).has_value();
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
    ++historyWrites;
    createFile(path_);
}

void HistoryFile::append(const std::vector<TZiehung>& records) const {
    std::string bytes;
    for (const TZiehung& z : records) bytes += encodeRecord(z);
    ++historyWrites;
    appendAfterWholeRecords(path_, bytes, kRecordSize);
}

void HistoryFile::rewrite(const std::vector<TZiehung>& records) const {
    std::string bytes;
    bytes.reserve(records.size() * kRecordSize);
    for (const TZiehung& z : records) bytes += encodeRecord(z);
    // Whatever stands in the history's place is the user's: a pipe or a
    // device is refused, as every other access refuses it, not replaced.
    refuseIrregularFile(path_);
    ++historyWrites;
    replaceFileAtomically(path_, bytes);
}

HistoryCache::Records HistoryCache::read(const std::filesystem::path& path) {
    // Counted before the stamp is taken: a write in between makes the next
    // read look again rather than keep what this one reads.
    const std::uint64_t writes = historyWrites.load();
    const std::optional<FileStamp> stamp = fileStamp(path);
    if (records_ && stamp && path == path_ && stamp == stamp_ && writes == writes_) return records_;
    records_.reset();
    auto records = std::make_shared<const std::vector<TZiehung>>(HistoryFile(path).readAll());
    path_ = path;
    stamp_ = stamp;
    writes_ = writes;
    records_ = records;
    return records;
}

}  // namespace kugel
