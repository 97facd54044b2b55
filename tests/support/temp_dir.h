#pragma once

#include <filesystem>
#include <string>

namespace kugel::test {

// A fresh directory under the system's temp directory, removed afterwards.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path with a trailing separator, as the program's Home is kept.
    std::string str() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

}  // namespace kugel::test
