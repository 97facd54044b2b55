#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace kugel::server {

// One draw as the results script hands it out.
struct Draw {
    std::array<int, 6> numbers{};
    int powerball = 0;
    int extra = 0;
};

// The draws of a CSV file with a header line naming the columns
// date,n1..n6,pb and optionally extra (other columns are ignored). The file
// is read again whenever its size or modification time changes, so an
// operator can add a draw while the server runs. Lines that cannot be read
// are reported on the log and skipped. Safe to use from several threads.
class DrawStore {
  public:
    DrawStore(std::filesystem::path file, std::ostream& log);

    // Reads the file. False when it cannot be opened or its header lacks a
    // required column; the draws loaded before stay in place.
    bool load();
    // Reads the draws from `in` as load() reads the file's, for a caller
    // that holds the text itself.
    bool read(std::istream& in);

    // The draws of one date in file order; empty when there was none.
    std::vector<Draw> drawsOn(std::chrono::year_month_day date);

    std::size_t drawCount();

    // Every draw with its date, oldest first.
    std::vector<std::pair<std::chrono::year_month_day, Draw>> allDraws();

  private:
    struct Stamp {
        std::filesystem::file_time_type modified{};
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };

    void reloadIfChanged();
    bool loadLocked();
    bool readLocked(std::istream& in);

    std::filesystem::path file_;
    std::ostream& log_;
    std::mutex mutex_;
    Stamp stamp_;
    bool missingReported_ = false;
    std::map<std::chrono::sys_days, std::vector<Draw>> draws_;
};

}  // namespace kugel::server
