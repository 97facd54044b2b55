#include "support/memory_files.h"

#include <sys/stat.h>

#include <cerrno>

namespace kugel::test {

namespace {

std::string key(const std::filesystem::path& path) {
    return path.lexically_normal().string();
}

}  // namespace

MemoryFiles::File* MemoryFiles::find(const std::filesystem::path& path) {
    const auto it = files_.find(key(path));
    return it == files_.end() ? nullptr : &it->second;
}

const MemoryFiles::File* MemoryFiles::find(const std::filesystem::path& path) const {
    const auto it = files_.find(key(path));
    return it == files_.end() ? nullptr : &it->second;
}

void MemoryFiles::put(const std::filesystem::path& path, std::string_view bytes) {
    File& file = files_[key(path)];
    if (file.id == 0) file.id = nextId_++;
    file.bytes.assign(bytes);
    file.version = ++changes_;
}

void MemoryFiles::remove(const std::filesystem::path& path) {
    files_.erase(key(path));
}

void MemoryFiles::clear() {
    files_.clear();
}

std::optional<std::string> MemoryFiles::content(const std::filesystem::path& path) const {
    const File* file = find(path);
    if (!file) return std::nullopt;
    return file->bytes;
}

std::string MemoryFiles::readWhole(const std::filesystem::path& path, std::size_t maxBytes) const {
    const File* file = find(path);
    if (!file) throw FileError(FileOperation::Open, path, ENOENT);
    if (file->bytes.size() > maxBytes)
        throw FileError(FileOperation::ReadTooLarge, path, std::to_string(maxBytes));
    return file->bytes;
}

std::optional<FileStamp> MemoryFiles::stamp(const std::filesystem::path& path) const {
    const File* file = find(path);
    if (!file) return std::nullopt;
    return FileStamp{0,
                     file->id,
                     S_IFREG | 0644,
                     static_cast<std::int64_t>(file->bytes.size()),
                     file->version,
                     file->version};
}

void MemoryFiles::create(const std::filesystem::path& path) {
    if (!find(path)) put(path, {});
}

void MemoryFiles::appendAfterWholeRecords(const std::filesystem::path& path, std::string_view bytes,
                                          std::size_t recordSize) {
    File* file = find(path);
    if (!file) throw FileError(FileOperation::Open, path, ENOENT);
    // A partial record at the end is overwritten, as on the disk.
    file->bytes.resize(file->bytes.size() - file->bytes.size() % recordSize);
    file->bytes.append(bytes);
    file->version = ++changes_;
}

void MemoryFiles::replace(const std::filesystem::path& path, std::string_view bytes) {
    put(path, bytes);
}

}  // namespace kugel::test
