#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/game.h"
#include "platform/durable_file.h"

namespace kugel {

constexpr std::size_t kRecordSize = 32;

// One record as it lies on disk: day value (little-endian double), the eight
// number bytes, sixteen reserved zero bytes.
std::string encodeRecord(const TZiehung& z);
TZiehung decodeRecord(const char* bytes);

// The draw history "Powerball.dat": a headerless sequence of 32-byte records
// in ascending date order. Nothing is cached; every call goes to the file.
class HistoryFile {
  public:
    explicit HistoryFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }
    // Whether anything is at the path. A directory, pipe or device there
    // counts: opening it is refused with an error naming it, where taking it
    // for a missing history would create a file in its place or hang.
    bool exists() const;

    // Every whole record in file order. A trailing partial record (an
    // interrupted append) is ignored. Throws FileError when the file cannot
    // be opened or read.
    std::vector<TZiehung> readAll() const;

    // Creates the file empty (replacing nothing that exists). Throws FileError.
    void createEmpty() const;

    // Writes records behind the last whole record; a partial record at the
    // end is overwritten. Throws FileError.
    void append(const std::vector<TZiehung>& records) const;
    void append(const TZiehung& record) const { append(std::vector<TZiehung>{record}); }

    // Replaces the whole file with these records through a temporary file,
    // which is complete and on disk before it takes the history's place.
    // Throws FileError, also when the history is no regular file.
    void rewrite(const std::vector<TZiehung>& records) const;

  private:
    std::filesystem::path path_;
};

// The history's records, shared by every reader while the file stays as it
// was read. The analyses calculate a ticket for each draw, and every
// calculation, draw display and chart reads the history: read from the file
// each time, their cost grew with the square of the history. A copy is kept
// only while neither this program wrote the history (every write goes
// through HistoryFile) nor the file's stamp changed (another program did).
class HistoryCache {
  public:
    using Records = std::shared_ptr<const std::vector<TZiehung>>;
    // The records of the file at `path`, as HistoryFile::readAll reads them;
    // throws as it does.
    Records read(const std::filesystem::path& path);

  private:
    std::filesystem::path path_;
    std::optional<FileStamp> stamp_;
    std::uint64_t writes_ = 0;
    Records records_;
};

}  // namespace kugel
