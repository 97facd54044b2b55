#include "update/history_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
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

// One line's fields, quoted or not (RFC 4180: a quoted field may hold the
// separator, and "" stands for a quote). Nullopt when a quote is left open.
std::optional<std::vector<std::string>> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || (line[i] == '\t' && separator != '\t'))) ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line[i++];
            }
            if (!closed) return std::nullopt;
            const auto next = line.find(separator, i);
            if (!trimmed(line.substr(i, next == std::string_view::npos ? next : next - i)).empty())
                return std::nullopt;  // text after the closing quote
            fields.push_back(std::move(field));
            if (next == std::string_view::npos) return fields;
            i = next + 1;
            continue;
        }
        const auto next = line.find(separator, i);
        fields.push_back(trimmed(line.substr(i, next == std::string_view::npos ? next : next - i)));
        if (next == std::string_view::npos) return fields;
        i = next + 1;
    }
}

// The separator the header uses: a tab or ";" where it has one, else ",".
char separatorOf(std::string_view header) {
    if (header.find('\t') != std::string_view::npos) return '\t';
    if (header.find(';') != std::string_view::npos && header.find(',') == std::string_view::npos)
        return ';';
    return ',';
}

std::string lowercase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::optional<long long> wholeNumber(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A time of day as people write it after a date: H:MM or H:MM:SS, with AM or
// PM perhaps. Only its form is checked; the history keeps the date.
bool isTimeOfDay(std::string_view text) {
    text = trimmed(text);
    for (std::string_view suffix : {"am", "pm", "AM", "PM"})
        if (text.size() > 2 && text.substr(text.size() - 2) == suffix) {
            text = trimmed(text.substr(0, text.size() - 2));
            break;
        }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2) return false;
    const std::string_view rest = text.substr(colon + 1);
    if (rest.size() == 2) return allDigits(text.substr(0, colon)) && allDigits(rest);
    return rest.size() == 5 && rest[2] == ':' && allDigits(text.substr(0, colon)) &&
           allDigits(rest.substr(0, 2)) && allDigits(rest.substr(3));
}

// D/M/YYYY or M/D/YYYY, with "/", "." or "-" between.
std::optional<double> numericDate(std::string_view text, bool dayFirst) {
    const auto first = text.find_first_of("/.-");
    if (first == std::string_view::npos) return std::nullopt;
    const char separator = text[first];
    const auto second = text.find(separator, first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view a = text.substr(0, first);
    const std::string_view b = text.substr(first + 1, second - first - 1);
    const std::string_view year = text.substr(second + 1);
    if (!allDigits(a) || !allDigits(b) || year.size() != 4 || !allDigits(year) || a.size() > 2 ||
        b.size() > 2)
        return std::nullopt;
    const int day = std::stoi(std::string(dayFirst ? a : b));
    const int month = std::stoi(std::string(dayFirst ? b : a));
    return encodeDate(std::stoi(std::string(year)), month, day);
}

std::optional<double> fileDate(std::string_view text, CsvDateFormat format) {
    // A time of day after a blank is allowed; the ISO "T" form is the
    // export's own and keeps its time.
    if (const auto blank = text.find(' '); blank != std::string_view::npos) {
        if (!isTimeOfDay(text.substr(blank + 1))) return std::nullopt;
        text = text.substr(0, blank);
    }
    switch (format) {
        case CsvDateFormat::Iso:
            if (text.size() == 8 && allDigits(text)) {
                const int v = std::stoi(std::string(text));
                return encodeDate(v / 10000, v / 100 % 100, v % 100);
            }
            return parseDayValue(std::string(text));
        case CsvDateFormat::DayMonthYear:
            return numericDate(text, true);
        case CsvDateFormat::MonthDayYear:
            return numericDate(text, false);
    }
    return std::nullopt;
}

struct Layout {
    char separator = ',';
    std::array<std::size_t, kRequiredColumns.size()> required{};
    std::optional<std::size_t> extra;
    std::size_t minFields = 0;
};

std::optional<Layout> readLayout(std::string_view header, std::string& problem) {
    Layout layout;
    layout.separator = separatorOf(header);
    const auto split = splitFields(header, layout.separator);
    if (!split) {
        problem = "a quote in the header is not closed";
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const std::string& name : *split) names.push_back(lowercase(name));
    const auto find = [&](std::string_view name) -> std::optional<std::size_t> {
        const auto at = std::find(names.begin(), names.end(), name);
        if (at == names.end()) return std::nullopt;
        return static_cast<std::size_t>(at - names.begin());
    };
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

std::optional<TZiehung> readDraw(std::string_view line, const Layout& layout, CsvDateFormat dates,
                                 std::string& problem) {
    const auto split = splitFields(line, layout.separator);
    if (!split) {
        problem = "a quote is not closed";
        return std::nullopt;
    }
    const std::vector<std::string>& fields = *split;
    if (fields.size() < layout.minFields) {
        problem = "too few fields";
        return std::nullopt;
    }
    const std::string& dateText = fields[layout.required[0]];
    const auto date = fileDate(dateText, dates);
    if (!date) {
        problem = "bad date \"" + dateText + "\" (expected " +
                  std::string(csvDateFormatText(dates)) + ")";
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

std::string_view csvDateFormatText(CsvDateFormat format) {
    switch (format) {
        case CsvDateFormat::Iso:
            return "YYYY-MM-DD";
        case CsvDateFormat::DayMonthYear:
            return "D/M/YYYY";
        case CsvDateFormat::MonthDayYear:
            return "M/D/YYYY";
    }
    return "YYYY-MM-DD";
}

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

CsvHistory historyFromCsv(std::string_view text, const CsvReading& reading) {
    CsvHistory result;
    const std::vector<std::string> lines = splitLines(decodeTextFile(text));
    std::optional<Layout> layout;
    // The line of each draw's day, to name the first line a repeated date
    // stands on.
    std::map<long long, int> lineOfDay;
    std::size_t done = 0;
    constexpr std::size_t kProgressEvery = 4096;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        done += lines[i].size() + 1;
        if (reading.progress && i % kProgressEvery == 0)
            reading.progress(std::min(done, text.size()), text.size());
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
        const auto draw = readDraw(lines[i], *layout, reading.dates, problem);
        if (!draw) {
            result.problems.push_back({lineNumber, problem});
            continue;
        }
        const auto [at, added] =
            lineOfDay.emplace(std::llround(std::floor(draw->Datum)), lineNumber);
        if (!added) {
            result.problems.push_back(
                {lineNumber, "the date " + dayValueText(std::floor(draw->Datum)) + " is on line " +
                                 std::to_string(at->second) + " already"});
            continue;
        }
        result.draws.push_back(*draw);
    }
    if (reading.progress) reading.progress(text.size(), text.size());
    if (!layout)
        result.problems.push_back({0, "no header line"});
    else if (result.draws.empty() && result.problems.empty())
        result.problems.push_back({0, "no draws"});
    std::stable_sort(result.draws.begin(), result.draws.end(),
                     [](const TZiehung& a, const TZiehung& b) { return a.Datum < b.Datum; });
    return result;
}

}  // namespace kugel
