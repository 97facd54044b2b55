#include "platform/program_home.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/durable_file.h"

namespace kugel {

namespace fs = std::filesystem;

namespace {

// SHA-256 (FIPS 180-4), for telling whether a seeded file was changed.
class Sha256 {
  public:
    std::string hexDigest(std::string_view data) {
        std::uint64_t bits = static_cast<std::uint64_t>(data.size()) * 8;
        std::size_t pos = 0;
        for (; pos + 64 <= data.size(); pos += 64)
            block(reinterpret_cast<const unsigned char*>(data.data() + pos));
        std::array<unsigned char, 128> tail{};
        const std::size_t rest = data.size() - pos;
        for (std::size_t i = 0; i < rest; ++i) tail[i] = static_cast<unsigned char>(data[pos + i]);
        tail[rest] = 0x80;
        const std::size_t tailSize = rest + 9 <= 64 ? 64 : 128;
        for (int i = 0; i < 8; ++i)
            tail[tailSize - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
        for (std::size_t off = 0; off < tailSize; off += 64) block(tail.data() + off);

        static const char* const hex = "0123456789abcdef";
        std::string out;
        for (std::uint32_t word : h_)
            for (int shift = 28; shift >= 0; shift -= 4) out += hex[(word >> shift) & 0xf];
        return out;
    }

  private:
    static std::uint32_t rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

    void block(const unsigned char* p) {
        static constexpr std::array<std::uint32_t, 64> k = {
            0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4,
            0xab1c5ed5, 0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe,
            0x9bdc06a7, 0xc19bf174, 0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f,
            0x4a7484aa, 0x5cb0a9dc, 0x76f988da, 0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7,
            0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc,
            0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b,
            0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070, 0x19a4c116,
            0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
            0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7,
            0xc67178f2};
        std::array<std::uint32_t, 64> w{};
        for (int i = 0; i < 16; ++i)
            w[i] = std::uint32_t(p[4 * i]) << 24 | std::uint32_t(p[4 * i + 1]) << 16 |
                   std::uint32_t(p[4 * i + 2]) << 8 | std::uint32_t(p[4 * i + 3]);
        for (int i = 16; i < 64; ++i) {
            const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        std::array<std::uint32_t, 8> v = h_;
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t s1 = rotr(v[4], 6) ^ rotr(v[4], 11) ^ rotr(v[4], 25);
            const std::uint32_t ch = (v[4] & v[5]) ^ (~v[4] & v[6]);
            const std::uint32_t t1 = v[7] + s1 + ch + k[i] + w[i];
            const std::uint32_t s0 = rotr(v[0], 2) ^ rotr(v[0], 13) ^ rotr(v[0], 22);
            const std::uint32_t maj = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
            const std::uint32_t t2 = s0 + maj;
            v = {t1 + t2, v[0], v[1], v[2], v[3] + t1, v[4], v[5], v[6]};
        }
        for (int i = 0; i < 8; ++i) h_[i] += v[i];
    }

    std::array<std::uint32_t, 8> h_ = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                       0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
};

std::string sha256(std::string_view data) {
    return Sha256().hexDigest(data);
}

// Beside the shipped files: the hashes of every earlier version of them, in
// the record's format, for a directory seeded before records were kept.
const fs::path kEarlierShippedFiles = ".earlier.sha256";

// The history is the user's data even when a copy of one is shipped.
const fs::path kHistoryFile = "Powerball.dat";

using Record = std::map<std::string, std::string>;               // relative path -> hash
using Versions = std::set<std::pair<std::string, std::string>>;  // (relative path, hash)

// A record's path stands alone on its line; one with a line break or a
// backslash (which sha256sum would escape) is not recorded, so that file is
// only ever copied when missing.
bool recordable(const std::string& path) {
    return path.find_first_of("\n\r\\") == std::string::npos;
}

// Calls `take(path, hash)` for each "HASH  PATH" line of a file in the format
// of sha256sum; other lines (a comment) are passed over, and a file that
// cannot be read counts as empty.
template <typename Take>
void readHashes(const fs::path& file, Take take) {
    std::string text;
    try {
        text = readWholeFile(file, 1 << 20);
    } catch (const FileError&) {
        return;
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + pos, end - pos);
        pos = end + 1;
        if (line.size() < 67 || line.substr(64, 2) != "  ") continue;
        const std::string_view hash = line.substr(0, 64);
        if (hash.find_first_not_of("0123456789abcdef") != std::string_view::npos) continue;
        take(std::string(line.substr(66)), std::string(hash));
    }
}

// What the record says. Empty for a directory seeded before records were kept.
Record readRecord(const fs::path& file) {
    Record record;
    readHashes(file, [&](std::string path, std::string hash) { record[path] = hash; });
    return record;
}

void writeRecord(const fs::path& file, const Record& record) {
    std::string text;
    for (const auto& [path, hash] : record) text += hash + "  " + path + "\n";
    replaceFileAtomically(file, text);
}

}  // namespace

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
    const fs::path recordFile = to / kShippedFilesRecord;
    const Record before = readRecord(recordFile);
    Versions earlier;
    readHashes(from / kEarlierShippedFiles,
               [&](std::string path, std::string hash) { earlier.emplace(path, hash); });
    Record after = before;

    for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        const fs::path relative = fs::relative(it->path(), from);
        const fs::path target = to / relative;
        if (it->is_directory()) {
            fs::create_directories(target, ec);
            if (ec) throw FileError(FileOperation::CreateDirectory, target, ec.value());
            continue;
        }
        // Programs are not data: a copied tree never holds executables.
        if (!it->is_regular_file() ||
            (it->status().permissions() & fs::perms::owner_exec) != fs::perms::none ||
            relative == kShippedFilesRecord || relative == kEarlierShippedFiles)
            continue;
        const std::string key = relative.generic_string();
        const bool userData = relative == kHistoryFile;
        const bool tracked = !userData && recordable(key);

        std::error_code statusError;
        const fs::file_status present = fs::symlink_status(target, statusError);
        if (!fs::exists(present)) {
            const std::string bytes = readWholeFile(it->path());
            // Written whole or not at all: a start cut short must not leave a
            // torn file that later passes for one the user changed.
            replaceFileAtomically(target, bytes);
            if (tracked) after[key] = sha256(bytes);
            continue;
        }
        // A link or anything but a plain file there is the user's doing.
        if (!tracked || !fs::is_regular_file(present)) continue;
        std::string shipped, current;
        try {
            shipped = readWholeFile(it->path());
            current = readWholeFile(target);
        } catch (const FileError&) {
            continue;  // unreadable: left alone
        }
        const std::string shippedHash = sha256(shipped);
        const std::string presentHash = sha256(current);
        if (presentHash == shippedHash) {
            after[key] = shippedHash;  // up to date, whoever put it there
            continue;
        }
        // Unchanged is what the record says was copied, or, where it says
        // nothing, any version an earlier program shipped.
        const auto seeded = before.find(key);
        const bool unchanged = seeded != before.end() ? seeded->second == presentHash
                                                      : earlier.count({key, presentHash}) > 0;
        if (!unchanged) continue;  // the user's
        try {
            replaceFileAtomically(target, shipped);
            after[key] = shippedHash;
        } catch (const FileError&) {
            // Still the old, unchanged file: the record stays and says so.
        }
    }
    if (ec) throw FileError(FileOperation::Read, from, ec.value());
    if (after != before) {
        try {
            writeRecord(recordFile, after);
        } catch (const FileError&) {
            // Without a record the next start adopts what equals the shipped
            // files and keeps the rest: nothing the user made is lost.
        }
    }
}

}  // namespace kugel
