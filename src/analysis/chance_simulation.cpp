#include "analysis/chance_simulation.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>
#include <tuple>

#include "model/game.h"
#include "model/random.h"

namespace kugel {
namespace {

// A row as bit masks of its main numbers (bit n for number n): layer k holds
// the numbers that stand more than k times, so the hits are the sum of the
// layers' shared bits. Almost every row has a single layer.
struct RowMasks {
    std::array<std::uint64_t, ZahlenProReihe> layers{};
    int layerCount = 0;
    int powerball = 0;
};

RowMasks masksOf(const CheckedRow& row) {
    RowMasks m;
    m.powerball = row.powerball;
    for (const int n : row.numbers) {
        if (n < 1 || n > MaxZahl) continue;
        const std::uint64_t bit = std::uint64_t{1} << n;
        int k = 0;
        while (m.layers[static_cast<std::size_t>(k)] & bit) ++k;
        m.layers[static_cast<std::size_t>(k)] |= bit;
        m.layerCount = std::max(m.layerCount, k + 1);
    }
    return m;
}

std::array<bool, kHitClasses> winningClasses() {
    std::array<bool, kHitClasses> win{};
    for (const PrizeDivision& d : prizeDivisions())
        win[static_cast<std::size_t>(hitClassIndex(d.mainHits, d.powerball))] = true;
    return win;
}

// The central 95 % of the values: the value below which fewer than 2.5 %
// lie and the one above which fewer than 2.5 % lie. Sorts `values`.
std::pair<long long, long long> centralRange(std::vector<std::int32_t>& values) {
    if (values.empty()) return {0, 0};
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const auto at = [&](double share) {
        const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(n)));
        return static_cast<long long>(values[std::clamp<std::size_t>(rank, 1, n) - 1]);
    };
    return {at(0.025), at(0.975)};
}

}  // namespace

void ChanceTally::addDraw(const std::vector<CheckedRow>& rows) {
    ++draws;
    if (!tickets.empty() && tickets.back().rows == rows) {
        ++tickets.back().draws;
        return;
    }
    tickets.push_back({rows, 1});
}

void ChanceTally::count(int mainHits, bool powerball) {
    ++observed[static_cast<std::size_t>(
        hitClassIndex(std::clamp(mainHits, 0, ZahlenProReihe), powerball))];
}

long long ChanceTally::rows() const {
    long long n = 0;
    for (const long long k : observed) n += k;
    return n;
}

bool isWinningClass(int mainHits, bool powerball) {
    static const std::array<bool, kHitClasses> win = winningClasses();
    return win[static_cast<std::size_t>(hitClassIndex(mainHits, powerball))];
}

ChanceSimulation::ChanceSimulation(const std::vector<CheckedTicket>& tickets, int periods,
                                   std::uint32_t seed)
    : periods_(std::max(periods, 0)) {
    // Everything the periods need is laid out once; a period allocates
    // nothing and formats nothing.
    struct Ticket {
        std::size_t first;
        std::size_t count;
        long long draws;
    };
    std::vector<RowMasks> rows;
    std::vector<Ticket> plan;
    for (const CheckedTicket& t : tickets) {
        if (t.rows.empty() || t.draws <= 0) continue;
        plan.push_back({rows.size(), t.rows.size(), t.draws});
        for (const CheckedRow& r : t.rows) rows.push_back(masksOf(r));
        rows_ += static_cast<long long>(t.rows.size()) * t.draws;
        draws_ += t.draws;
    }
    classes_.assign(static_cast<std::size_t>(periods_) * kHitClasses, 0);
    winning_.assign(static_cast<std::size_t>(periods_), 0);
    const std::array<bool, kHitClasses> win = winningClasses();

    Random random{seed};
    for (int s = 0; s < periods_; ++s) {
        std::int32_t* counts = classes_.data() + static_cast<std::size_t>(s) * kHitClasses;
        for (const Ticket& t : plan) {
            const RowMasks* first = rows.data() + t.first;
            const RowMasks* last = first + t.count;
            for (long long d = 0; d < t.draws; ++d) {
                // Six different numbers of forty, each six as likely as any
                // other, and the Powerball.
                std::uint64_t drawn = 0;
                int found = 0;
                while (found < ZahlenProReihe) {
                    const std::uint64_t bit = std::uint64_t{1} << (random.next(MaxZahl) + 1);
                    if (drawn & bit) continue;
                    drawn |= bit;
                    ++found;
                }
                const int powerball = static_cast<int>(random.next(MaxPowerball)) + 1;
                for (const RowMasks* r = first; r != last; ++r) {
                    int hits = std::popcount(r->layers[0] & drawn);
                    for (int k = 1; k < r->layerCount; ++k)
                        hits += std::popcount(r->layers[static_cast<std::size_t>(k)] & drawn);
                    ++counts[hitClassIndex(hits, r->powerball == powerball)];
                }
            }
        }
        std::int32_t won = 0;
        for (int k = 0; k < kHitClasses; ++k)
            if (win[static_cast<std::size_t>(k)]) won += counts[k];
        winning_[static_cast<std::size_t>(s)] = won;
    }
}

ChanceComparison judgeBySimulation(const ChanceSimulation& simulation,
                                   const HitClassCounts& observed) {
    ChanceComparison c;
    for (const long long n : observed) c.rows += n;
    if (c.rows != simulation.rows())
        throw std::logic_error("the observed rows are not the simulated ones");
    c.draws = simulation.draws();
    c.samples = simulation.periods();

    std::vector<std::int32_t> column(static_cast<std::size_t>(simulation.periods()));
    for (int h = 0; h <= ZahlenProReihe; ++h) {
        for (const bool pb : {false, true}) {
            const int k = hitClassIndex(h, pb);
            for (int s = 0; s < simulation.periods(); ++s)
                column[static_cast<std::size_t>(s)] = simulation.classes(s)[k];
            const auto [low, high] = centralRange(column);
            c.classes.push_back({h, pb, observed[static_cast<std::size_t>(k)],
                                 hitClassProbability(h, pb).value() * static_cast<double>(c.rows),
                                 low, high});
            if (isWinningClass(h, pb)) {
                c.winningRows += observed[static_cast<std::size_t>(k)];
                c.expectedWinningRows += c.classes.back().expected;
            }
        }
    }
    if (c.rows == 0 || simulation.periods() == 0) return c;

    long long atLeast = 0;
    long long atMost = 0;
    for (int s = 0; s < simulation.periods(); ++s) {
        const std::int32_t won = simulation.winningRows(s);
        column[static_cast<std::size_t>(s)] = won;
        if (won >= c.winningRows) ++atLeast;
        if (won <= c.winningRows) ++atMost;
    }
    std::tie(c.winningLow, c.winningHigh) = centralRange(column);
    // Two-sided: the rarer tail, doubled; the observed period counts as one
    // of the simulated ones, so no p-value is ever zero.
    const double periods = simulation.periods() + 1.0;
    const double upper = (static_cast<double>(atLeast) + 1) / periods;
    const double lower = (static_cast<double>(atMost) + 1) / periods;
    c.pValue = std::min(1.0, 2 * std::min(upper, lower));
    c.test = ChanceTest::Simulation;
    c.tested = true;
    return c;
}

ChanceComparison judgeTally(const ChanceTally& tally) {
    return judgeBySimulation(ChanceSimulation(tally.tickets, kChanceSimulations, kChanceSeed),
                             tally.observed);
}

}  // namespace kugel
