#include "update/history_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "controls/value_text.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "update/results_download.h"

namespace kugel {
namespace {

constexpr std::array<std::string_view, 8> kRequiredColumns = {"date", "n1", "n2", "n3",
                                                              "n4",   "n5", "n6", "pb"};
constexpr std::string_view kExtraColumn = "extra";
constexpr long long kMaxExtra = 255;  // the history keeps it in one byte

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.push_back(
            trimmed(line.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::optional<long long> wholeNumber(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<double> fileDate(const std::string& text) {
    if (text.size() == 8 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int v = std::stoi(text);
        return encodeDate(v / 10000, v / 100 % 100, v % 100);
    }
    return parseDayValue(text);
}

struct Layout {
    std::array<std::size_t, kRequiredColumns.size()> required{};
    std::optional<std::size_t> extra;
    std::size_t minFields = 0;
};

std::optional<Layout> readLayout(std::string_view header, std::string& problem) {
    const std::vector<std::string> names = splitFields(header);
    const auto find = [&](std::string_view name) -> std::optional<std::size_t> {
        const auto at = std::find(names.begin(), names.end(), name);
        if (at == names.end()) return std::nullopt;
        return static_cast<std::size_t>(at - names.begin());
    };
    Layout layout;
    for (std::size_t i = 0; i < kRequiredColumns.size(); ++i) {
        const auto index = find(kRequiredColumns[i]);
        if (!index) {
            problem = "the header lacks the column \"" + std::string(kRequiredColumns[i]) + "\"";
            return std::nullopt;
        }
        layout.required[i] = *index;
        layout.minFields = std::max(layout.minFields, *index + 1);
    }
    layout.extra = find(kExtraColumn);
    return layout;
}

std::optional<TZiehung> readDraw(std::string_view line, const Layout& layout,
                                 std::string& problem) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() < layout.minFields) {
        problem = "too few fields";
        return std::nullopt;
    }
    const std::string& dateText = fields[layout.required[0]];
    const auto date = fileDate(dateText);
    if (!date) {
        problem = "bad date \"" + dateText + "\"";
        return std::nullopt;
    }
    std::array<long long, 8> values{};
    for (std::size_t i = 1; i < kRequiredColumns.size(); ++i) {
        const std::string& text = fields[layout.required[i]];
        const auto value = wholeNumber(text);
        if (!value) {
            problem = std::string(kRequiredColumns[i]) + " \"" + text + "\" is not a whole number";
            return std::nullopt;
        }
        values[i - 1] = *value;
    }
    if (layout.extra && *layout.extra < fields.size() && !fields[*layout.extra].empty()) {
        const std::string& text = fields[*layout.extra];
        const auto value = wholeNumber(text);
        if (!value || *value < 0 || *value > kMaxExtra) {
            problem = "extra \"" + text + "\" is not a whole number 0..255";
            return std::nullopt;
        }
        values[7] = *value;
    }
    return drawFromValues(values, *date, &problem);
}

}  // namespace

std::string historyToCsv(const std::vector<TZiehung>& draws) {
    std::string text(kHistoryCsvHeader);
    text += "\r\n";
    for (const TZiehung& z : draws) {
        text += dayValueText(z.Datum);
        for (const std::uint8_t n : z.Zahlen) {
            text += ',';
            text += std::to_string(n);
        }
        text += "\r\n";
    }
    return text;
}

CsvHistory historyFromCsv(std::string_view text) {
    CsvHistory result;
    const std::vector<std::string> lines = splitLines(decodeTextFile(text));
    std::optional<Layout> layout;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        if (trimmed(lines[i]).empty()) continue;
        std::string problem;
        if (!layout) {
            layout = readLayout(lines[i], problem);
            if (!layout) {
                result.problems.push_back({lineNumber, problem});
                return result;
            }
            continue;
        }
        if (const auto draw = readDraw(lines[i], *layout, problem))
            result.draws.push_back(*draw);
        else
            result.problems.push_back({lineNumber, problem});
    }
    if (!layout)
        result.problems.push_back({0, "no header line"});
    else if (result.draws.empty() && result.problems.empty())
        result.problems.push_back({0, "no draws"});
    // The history is kept in date order; draws of one date keep their order.
    std::stable_sort(result.draws.begin(), result.draws.end(),
                     [](const TZiehung& a, const TZiehung& b) { return a.Datum < b.Datum; });
    return result;
}

}  // namespace kugel
