#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/durable_file.h"

namespace kugel::test {

// Files held in memory by their path, as the file system would hold them
// for the program's readers and writers: what was never put there does not
// exist, and nothing reaches the disk. Every change gives the file a new
// stamp, so that a cache of its content sees it.
class MemoryFiles : public FileStore {
  public:
    void put(const std::filesystem::path& path, std::string_view bytes);
    void remove(const std::filesystem::path& path);
    void clear();
    // The content, or nothing when no file is at the path.
    std::optional<std::string> content(const std::filesystem::path& path) const;

    std::string readWhole(const std::filesystem::path& path, std::size_t maxBytes) const override;
    std::optional<FileStamp> stamp(const std::filesystem::path& path) const override;
    void create(const std::filesystem::path& path) override;
    void appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
                                 std::size_t recordSize) override;
    void replace(const std::filesystem::path& path, std::string_view bytes) override;

  private:
    struct File {
        std::string bytes;
        std::uint64_t id = 0;
        std::int64_t version = 0;
    };
    File* find(const std::filesystem::path& path);
    const File* find(const std::filesystem::path& path) const;
    std::map<std::string, File> files_;
    std::uint64_t nextId_ = 1;
    std::int64_t changes_ = 0;
};

}  // namespace kugel::test
