#include "platform/program_home.h"

#include <unistd.h>

#include <cerrno>

#include "platform/durable_file.h"

namespace kugel {

namespace fs = std::filesystem;

fs::path executableDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path();
    return exe.parent_path();
}

fs::path installedDataDirectory(const fs::path& executableDir) {
    const fs::path shared = executableDir.parent_path() / "share" / "kugelmeister";
    std::error_code ec;
    if (executableDir.filename() == "bin" && fs::is_directory(shared / "land", ec)) return shared;
    return {};
}

fs::path shippedFilesDirectory(const fs::path& executableDir) {
    fs::path installed = installedDataDirectory(executableDir);
    return installed.empty() ? executableDir : installed;
}

fs::path chooseProgramHome(const fs::path& executableDir, const fs::path& userDataDir) {
    fs::path shipped = installedDataDirectory(executableDir);
    if (shipped.empty()) {
        if (::access(executableDir.c_str(), W_OK) == 0) return executableDir;
        shipped = executableDir;
    }
    seedProgramDirectory(shipped, userDataDir);
    return userDataDir;
}

void seedProgramDirectory(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec) throw FileError(FileOperation::CreateDirectory, to, ec.value());
    for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        const fs::path target = to / fs::relative(it->path(), from);
        if (it->is_directory()) {
            fs::create_directories(target, ec);
            if (ec) throw FileError(FileOperation::CreateDirectory, target, ec.value());
            continue;
        }
        // Programs are not data: a copied tree never holds executables.
        if (!it->is_regular_file() ||
            (it->status().permissions() & fs::perms::owner_exec) != fs::perms::none)
            continue;
        if (fs::exists(target, ec)) continue;
        fs::copy_file(it->path(), target, fs::copy_options::skip_existing, ec);
        if (ec) throw FileError(FileOperation::Create, target, ec.value());
    }
    if (ec) throw FileError(FileOperation::Read, from, ec.value());
}

}  // namespace kugel
