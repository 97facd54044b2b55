#include "support/temp_dir.h"

#include <stdlib.h>

#include <stdexcept>

namespace kugel::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kugel-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace kugel::test
