#include "draw_store.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>

#include "calendar_date.h"

namespace kugel::server {

namespace {

constexpr std::array<std::string_view, 8> kRequiredColumns = {"date", "n1", "n2", "n3",
                                                              "n4",   "n5", "n6", "pb"};
constexpr std::string_view kExtraColumn = "extra";
// The client keeps every field in one byte.
constexpr int kMaxFieldValue = 255;

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.push_back(trim(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::optional<int> parseField(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > kMaxFieldValue) {
        return std::nullopt;
    }
    return value;
}

// Where each column sits in a line.
struct Layout {
    std::array<std::size_t, kRequiredColumns.size()> required{};
    std::optional<std::size_t> extra;
    std::size_t minFields = 0;
};

std::optional<Layout> readLayout(std::string_view header, std::string& missing) {
    const auto names = splitFields(header);
    auto find = [&](std::string_view name) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == name) {
                return i;
            }
        }
        return std::nullopt;
    };
    Layout layout;
    for (std::size_t i = 0; i < kRequiredColumns.size(); ++i) {
        const auto index = find(kRequiredColumns[i]);
        if (!index) {
            missing = kRequiredColumns[i];
            return std::nullopt;
        }
        layout.required[i] = *index;
        layout.minFields = std::max(layout.minFields, *index + 1);
    }
    layout.extra = find(kExtraColumn);
    return layout;
}

struct ParsedLine {
    std::chrono::year_month_day date;
    Draw draw;
};

// Returns the draw or sets `problem`.
std::optional<ParsedLine> parseLine(std::string_view line, const Layout& layout,
                                    std::string& problem) {
    const auto fields = splitFields(line);
    if (fields.size() < layout.minFields) {
        problem = "too few fields";
        return std::nullopt;
    }
    const auto date = parseFileDate(fields[layout.required[0]]);
    if (!date) {
        problem = "bad date";
        return std::nullopt;
    }
    std::array<int, 7> values{};  // n1..n6, pb
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = parseField(fields[layout.required[i + 1]]);
        if (!value) {
            problem = "bad number in column " + std::string(kRequiredColumns[i + 1]);
            return std::nullopt;
        }
        values[i] = *value;
    }
    ParsedLine parsed{*date, {}};
    std::copy_n(values.begin(), 6, parsed.draw.numbers.begin());
    parsed.draw.powerball = values[6];
    if (layout.extra && *layout.extra < fields.size() && !fields[*layout.extra].empty()) {
        const auto extra = parseField(fields[*layout.extra]);
        if (!extra) {
            problem = "bad number in column extra";
            return std::nullopt;
        }
        parsed.draw.extra = *extra;
    }
    return parsed;
}

}  // namespace

DrawStore::DrawStore(std::filesystem::path file, std::ostream& log)
    : file_(std::move(file)), log_(log) {}

bool DrawStore::load() {
    std::lock_guard lock(mutex_);
    return loadLocked();
}

std::vector<Draw> DrawStore::drawsOn(std::chrono::year_month_day date) {
    std::lock_guard lock(mutex_);
    reloadIfChanged();
    const auto found = draws_.find(std::chrono::sys_days{date});
    return found == draws_.end() ? std::vector<Draw>{} : found->second;
}

std::size_t DrawStore::drawCount() {
    std::lock_guard lock(mutex_);
    std::size_t count = 0;
    for (const auto& [date, draws] : draws_) {
        count += draws.size();
    }
    return count;
}

std::vector<std::pair<std::chrono::year_month_day, Draw>> DrawStore::allDraws() {
    std::lock_guard lock(mutex_);
    reloadIfChanged();
    std::vector<std::pair<std::chrono::year_month_day, Draw>> all;
    for (const auto& [date, draws] : draws_)
        for (const Draw& draw : draws) all.emplace_back(std::chrono::year_month_day{date}, draw);
    return all;
}

void DrawStore::reloadIfChanged() {
    std::error_code error;
    Stamp now{std::filesystem::last_write_time(file_, error), 0};
    if (!error) {
        now.size = std::filesystem::file_size(file_, error);
    }
    if (error) {
        if (!missingReported_) {
            log_ << file_.string() << ": " << error.message() << "; keeping the draws loaded before"
                 << std::endl;
            missingReported_ = true;
        }
        return;
    }
    missingReported_ = false;
    if (now != stamp_) {
        loadLocked();
    }
}

bool DrawStore::loadLocked() {
    // Taken before reading, so a change made while reading is seen next time.
    std::error_code error;
    Stamp stamp{std::filesystem::last_write_time(file_, error), 0};
    if (!error) {
        stamp.size = std::filesystem::file_size(file_, error);
    }
    std::ifstream in(file_, std::ios::binary);
    if (error || !in) {
        log_ << file_.string() << ": cannot read the file" << std::endl;
        return false;
    }
    stamp_ = stamp;
    return readLocked(in);
}

bool DrawStore::read(std::istream& in) {
    std::lock_guard lock(mutex_);
    return readLocked(in);
}

bool DrawStore::readLocked(std::istream& in) {
    std::string line;
    std::size_t lineNumber = 0;
    std::optional<Layout> layout;
    while (!layout && std::getline(in, line)) {
        ++lineNumber;
        if (trim(line).empty()) {
            continue;
        }
        std::string missing;
        layout = readLayout(trim(line), missing);
        if (!layout) {
            log_ << file_.string() << ":" << lineNumber << ": header lacks the column \"" << missing
                 << "\"; no draws loaded" << std::endl;
            return false;
        }
    }
    if (!layout) {
        log_ << file_.string() << ": no header line; no draws loaded" << std::endl;
        return false;
    }

    std::map<std::chrono::sys_days, std::vector<Draw>> draws;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (trim(line).empty()) {
            continue;
        }
        std::string problem;
        if (auto parsed = parseLine(line, *layout, problem)) {
            draws[std::chrono::sys_days{parsed->date}].push_back(parsed->draw);
        } else {
            log_ << file_.string() << ":" << lineNumber << ": skipped (" << problem
                 << "): " << trim(line) << std::endl;
        }
    }
    draws_ = std::move(draws);
    return true;
}

}  // namespace kugel::server
