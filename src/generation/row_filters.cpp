#include "generation/row_filters.h"

namespace kugel {
namespace {

bool scanCounting(const NumberSet* masks, std::size_t count, NumberSet candidate, int threshold) {
    for (std::size_t i = 0; i < count; ++i)
        if (countOf(candidate & masks[i]) >= threshold) return true;
    return false;
}

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__) && !defined(__POPCNT__)
#define KUGEL_POPCNT_DISPATCH 1
__attribute__((target("popcnt"))) bool scanWithInstruction(const NumberSet* masks,
                                                           std::size_t count, NumberSet candidate,
                                                           int threshold) {
    for (std::size_t i = 0; i < count; ++i)
        if (__builtin_popcountll(candidate & masks[i]) >= threshold) return true;
    return false;
}

using Scan = bool (*)(const NumberSet*, std::size_t, NumberSet, int);
Scan chooseScan() {
    __builtin_cpu_init();  // may run before the runtime's own initialisation
    return __builtin_cpu_supports("popcnt") ? scanWithInstruction : scanCounting;
}
const Scan kScan = chooseScan();
#endif

}  // namespace

bool anyDrawReaches(const NumberSet* masks, std::size_t count, NumberSet candidate, int threshold) {
#ifdef KUGEL_POPCNT_DISPATCH
    return kScan(masks, count, candidate, threshold);
#else
    return scanCounting(masks, count, candidate, threshold);
#endif
}

std::array<int, ZahlenProReihe> ascendingNumbers(NumberSet numbers) {
    std::array<int, ZahlenProReihe> out{};
    std::size_t k = 0;
    numbers &= kAllNumbers;
    while (numbers != 0 && k < out.size()) {
        out[k++] = std::countr_zero(numbers);
        numbers &= numbers - 1;
    }
    return out;
}

NumberSet numberSetOf(const std::array<int, ZahlenProReihe>& numbers) {
    NumberSet s = 0;
    for (const int n : numbers)
        if (isMainNumber(n)) s |= numberBit(n);
    return s;
}

RowPositions rowPositions(const std::array<int, ZahlenProReihe>& numbers) {
    RowPositions r;
    for (std::size_t k = 0; k < numbers.size(); ++k)
        r.n[k] = static_cast<std::uint8_t>(isMainNumber(numbers[k]) ? numbers[k] : 0);
    return r;
}

bool passesCostlyFilters(const FilterInputs& in, const Candidate& c) {
    return firstRejectingFilter(in, c) == RowFilter::None;
}

bool HistoryWindow::reachesCountingEachPosition(NumberSet candidate, int threshold) const {
    // A damaged record may hold a number twice; the hit count then counts
    // each position that matches, so the masks would undercount.
    for (const std::uint8_t* z : raw_) {
        int hits = 0;
        for (int i = 0; i < ZahlenProReihe; ++i)
            if (isMainNumber(z[i]) && (candidate & numberBit(z[i]))) ++hits;
        if (z[6] >= 1 && z[6] <= MaxPowerball && (candidate & powerballBit(z[6]))) ++hits;
        if (hits >= threshold) return true;
    }
    return false;
}

HistoryIndex::HistoryIndex(const std::vector<TZiehung>& records) {
    entries_.reserve(records.size());
    records_.reserve(records.size());
    for (const TZiehung& z : records) {
        NumberSet mask = 0;
        bool simple = true;
        for (int i = 0; i < ZahlenProReihe; ++i) {
            const int n = z.Zahlen[static_cast<std::size_t>(i)];
            if (!isMainNumber(n)) continue;
            if (mask & numberBit(n)) simple = false;
            mask |= numberBit(n);
        }
        const int pb = z.Zahlen[6];
        if (pb >= 1 && pb <= MaxPowerball) mask |= powerballBit(pb);
        entries_.push_back({z.Datum, mask, simple});
        records_.push_back(z.Zahlen);
    }
}

void HistoryIndex::select(double after, double until, HistoryWindow& out) const {
    out.masks_.clear();
    out.raw_.clear();
    out.masks_.reserve(entries_.size());
    out.raw_.reserve(entries_.size());
    out.exact_ = true;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.date > after && e.date <= until) {
            out.masks_.push_back(e.mask);
            out.raw_.push_back(records_[i].data());
            if (!e.simple) out.exact_ = false;
        }
    }
}

}  // namespace kugel
