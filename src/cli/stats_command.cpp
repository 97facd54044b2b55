#include "cli/stats_command.h"

#include <cstdio>
#include <vector>

#include "controls/value_text.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "statistics/draw_statistics.h"
#include "statistics/statistics_window.h"

namespace kugel::cli {
namespace {

// One statistic as a table: a label per row and one or more value columns.
struct Table {
    std::vector<std::string> columns;  // the label column first
    std::vector<std::string> labels;
    std::vector<std::vector<long long>> values;  // one list per value column
    bool numberLabels = true;                    // labels are numbers, not "1-2" runs
};

// The draws from `from` to `to` (both whole days), the start day counted or
// not as the statistic's chart counts it.
struct Period {
    double from;
    double to;
    std::vector<TZiehung> draws(const std::vector<TZiehung>& all, StartDay startDay) const {
        std::vector<TZiehung> kept;
        for (const TZiehung& z : all) {
            const bool afterStart =
                startDay == StartDay::Included ? z.Datum >= from : z.Datum > from;
            if (afterStart && z.Datum <= to) kept.push_back(z);
        }
        return kept;
    }
};

std::vector<std::string> numberLabels(std::size_t count, int first = 1) {
    std::vector<std::string> labels;
    for (std::size_t k = 0; k < count; ++k)
        labels.push_back(std::to_string(first + static_cast<int>(k)));
    return labels;
}

// Runs n..n+size-1 for every first number n that leaves the run inside 1..40.
Table runTable(const std::vector<TZiehung>& draws, int size) {
    const int lastFirst = MaxZahl - size + 1;
    const GroupCounts groups = consecutiveGroups(draws, size, lastFirst, lastFirst);
    Table t{{"run", "count"}, {}, {groups.count}, false};
    for (int n = 1; n <= lastFirst; ++n) {
        std::string label;
        for (int k = 0; k < size; ++k) label += (k ? "-" : "") + std::to_string(n + k);
        t.labels.push_back(label);
    }
    return t;
}

// Each statistic over the period as its chart computes it: frequencies
// count a draw on the start day, the outstanding counts, the sums and the
// runs begin after it.
std::optional<Table> computeTable(const std::string& kind, const std::vector<TZiehung>& all,
                                  const Period& period) {
    if (kind == "freq") {
        const auto draws = period.draws(all, StartDay::Included);
        const NumberFrequency f = mainNumberFrequency(draws);
        return Table{{"number", "count"}, numberLabels(f.count.size()), {f.count}};
    }
    if (kind == "outstanding") {
        const auto draws = period.draws(all, StartDay::Excluded);
        const auto gap = mainNumberOutstanding(draws);
        return Table{{"number", "draws"}, numberLabels(gap.size()), {gap}};
    }
    if (kind == "powerball") {
        const auto counted = period.draws(all, StartDay::Included);
        const auto count = powerballFrequency(counted);
        return Table{{"powerball", "count", "outstanding"},
                     numberLabels(count.size()),
                     {count, powerballOutstanding(period.draws(all, StartDay::Excluded))}};
    }
    const auto draws = period.draws(all, StartDay::Excluded);
    if (kind == "sums") {
        const RowSumCounts sums = rowSums(draws);
        return Table{
            {"sum", "count"}, numberLabels(sums.count.size(), sums.smallest), {sums.count}};
    }
    if (kind == "pairs") return runTable(draws, 2);
    if (kind == "triples") return runTable(draws, 3);
    if (kind == "quads") return runTable(draws, 4);
    return std::nullopt;
}

}  // namespace

int printStatistics(const GlobalOptions& options, const StatsOptions& stats, std::ostream& out) {
    const double from = stats.from ? parseDateOption("--from", *stats.from) : -1e9;
    const double to = stats.to ? parseDateOption("--to", *stats.to) : 1e9;
    Session session(options);
    session.prepare();
    const HistoryFile history(session.form().historyPath());
    if (!history.exists()) throw DataError("there is no history yet: " + history.path().string());
    const std::vector<TZiehung> all = history.readAll();
    const auto table = computeTable(stats.kind, all, Period{from, to});
    if (!table) throw UsageError("unknown statistic " + stats.kind);
    // The window of the first value column, for its count and its first and
    // last draw.
    const std::vector<TZiehung> draws = Period{from, to}.draws(
        all, stats.kind == "freq" || stats.kind == "powerball" ? StartDay::Included
                                                               : StartDay::Excluded);
    if (stats.json) {
        out << "{\"statistic\":" << jsonString(stats.kind) << ",\"draws\":" << draws.size();
        if (!draws.empty())
            out << ",\"from\":" << jsonString(dayValueText(draws.front().Datum))
                << ",\"to\":" << jsonString(dayValueText(draws.back().Datum));
        out << ",\"rows\":[";
        for (std::size_t r = 0; r < table->labels.size(); ++r) {
            out << (r ? "," : "") << "{\"" << table->columns[0]
                << "\":" << (table->numberLabels ? table->labels[r] : jsonString(table->labels[r]));
            for (std::size_t c = 0; c < table->values.size(); ++c)
                out << ",\"" << table->columns[c + 1] << "\":" << table->values[c][r];
            out << '}';
        }
        out << "]}\n";
        return kExitSuccess;
    }
    out << draws.size() << " draws";
    if (!draws.empty())
        out << " from " << dayValueText(draws.front().Datum) << " to "
            << dayValueText(draws.back().Datum);
    out << '\n';
    char cell[32];
    std::snprintf(cell, sizeof cell, "%-12s", table->columns[0].c_str());
    out << cell;
    for (std::size_t c = 1; c < table->columns.size(); ++c) {
        std::snprintf(cell, sizeof cell, "%12s", table->columns[c].c_str());
        out << cell;
    }
    out << '\n';
    for (std::size_t r = 0; r < table->labels.size(); ++r) {
        std::snprintf(cell, sizeof cell, "%-12s", table->labels[r].c_str());
        out << cell;
        for (const auto& column : table->values) {
            std::snprintf(cell, sizeof cell, "%12lld", column[r]);
            out << cell;
        }
        out << '\n';
    }
    return kExitSuccess;
}

}  // namespace kugel::cli
