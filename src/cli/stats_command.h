#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/session.h"

namespace kugel::cli {

struct StatsOptions {
    std::string kind;  // freq, outstanding, powerball, sums, pairs, triples, quads
    std::optional<std::string> from;
    std::optional<std::string> to;
    bool json = false;
};

// `stats KIND [--from DATE] [--to DATE]`: a statistic of the stored draws
// from DATE to DATE (both days counted; default: every draw), computed by
// the functions the charts show, as a table or as JSON.
int printStatistics(const GlobalOptions& options, const StatsOptions& stats, std::ostream& out);

}  // namespace kugel::cli
