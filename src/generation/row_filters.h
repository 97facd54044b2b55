#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "generation/calculation_snapshot.h"
#include "model/game.h"
#include "model/random.h"

namespace kugel {

// A set of main numbers: bit n stands for number n (1..40). The candidate
// is kept this way while the filters run, so that sums, runs, overlaps and
// counts are a few bit operations each; it is sorted only when accepted.
using NumberSet = std::uint64_t;

constexpr NumberSet numberBit(int n) {
    return NumberSet{1} << n;
}

namespace detail {
constexpr NumberSet numbersWhere(bool (*pred)(int)) {
    NumberSet s = 0;
    for (int n = 1; n <= MaxZahl; ++n)
        if (pred(n)) s |= numberBit(n);
    return s;
}
}  // namespace detail

constexpr NumberSet kAllNumbers = detail::numbersWhere([](int) { return true; });
constexpr NumberSet kEvenNumbers = detail::numbersWhere([](int n) { return n % 2 == 0; });
constexpr NumberSet kOddNumbers = detail::numbersWhere([](int n) { return n % 2 != 0; });
constexpr NumberSet kPrimeNumbers = detail::numbersWhere(isPrime);

// In the history masks the Powerball p sits above the main numbers.
constexpr NumberSet powerballBit(int p) {
    return NumberSet{1} << (MaxZahl + p);
}

// The number of members of a set. Written out because without a processor
// option std::popcount becomes a library call, which costs more than the
// whole test it serves.
inline int countOf(NumberSet s) {
#if defined(__POPCNT__)
    return std::popcount(s);
#else
    s = s - ((s >> 1) & 0x5555555555555555u);
    s = (s & 0x3333333333333333u) + ((s >> 2) & 0x3333333333333333u);
    s = (s + (s >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((s * 0x0101010101010101u) >> 56);
#endif
}

struct Candidate {
    NumberSet numbers = 0;
    int sum = 0;
    int powerball = 0;
};

// Six different numbers, each the entry at a random index of the pool; an
// entry already drawn (or an empty entry 0) is drawn again. The pool must
// hold six different numbers 1..40.
inline void drawSix(Random& rng, const std::uint8_t* pool, std::uint32_t size, Candidate& c) {
    NumberSet taken = numberBit(0);  // an empty entry is never taken
    int sum = 0;
    for (int got = 0; got < ZahlenProReihe;) {
        const int n = pool[rng.next(size)];
        const NumberSet bit = numberBit(n);
        if (taken & bit) continue;
        taken |= bit;
        sum += n;
        ++got;
    }
    c.numbers = taken & ~numberBit(0);
    c.sum = sum;
}

// The numbers of a set in ascending order, 0 for missing positions.
std::array<int, ZahlenProReihe> ascendingNumbers(NumberSet numbers);
NumberSet numberSetOf(const std::array<int, ZahlenProReihe>& numbers);

// A row as its six positions, kept as they stand: a number typed twice
// counts twice in an overlap, an empty or unreadable position is 0 and
// matches nothing.
struct RowPositions {
    std::array<std::uint8_t, ZahlenProReihe> n{};
};
RowPositions rowPositions(const std::array<int, ZahlenProReihe>& numbers);

// How many positions of the row hold a number of the candidate.
inline int sharedNumbers(NumberSet candidate, const RowPositions& row) {
    int count = 0;
    for (const std::uint8_t n : row.n) count += static_cast<int>((candidate >> n) & 1u);
    return count;
}

// Whether some of the masks shares at least `threshold` members with the
// candidate. Most of the time of the history tests goes here, so it uses the
// processor's population count where there is one.
bool anyDrawReaches(const NumberSet* masks, std::size_t count, NumberSet candidate, int threshold);

// The stored draws of a date range in a compact form: the main numbers and
// the Powerball as one mask each, for the history tests.
class HistoryWindow {
  public:
    // Whether some draw of the range shares at least `threshold` numbers with
    // the candidate; `candidate` holds the Powerball bit when a Powerball hit
    // counts.
    bool reaches(NumberSet candidate, int threshold) const {
        if (!exact_) return reachesCountingEachPosition(candidate, threshold);
        return anyDrawReaches(masks_.data(), masks_.size(), candidate, threshold);
    }
    std::size_t size() const { return masks_.size(); }

  private:
    friend class HistoryIndex;
    bool reachesCountingEachPosition(NumberSet candidate, int threshold) const;

    std::vector<NumberSet> masks_;
    std::vector<const std::uint8_t*> raw_;  // the record's bytes, for `exact_ == false`
    bool exact_ = true;                     // no draw of the range holds a number twice
};

// The whole history read once per calculation.
class HistoryIndex {
  public:
    explicit HistoryIndex(const std::vector<TZiehung>& records);
    // The draws dated after `after` and on or before `until`, in file order.
    // Reuses the window's storage, so refreshing it allocates nothing.
    void select(double after, double until, HistoryWindow& out) const;
    std::size_t size() const { return records_.size(); }

  private:
    struct Entry {
        double date;
        NumberSet mask;
        bool simple;  // no main number stands twice
    };
    std::vector<Entry> entries_;
    std::vector<std::array<std::uint8_t, 8>> records_;
};

// What the filters compare a candidate with.
struct FilterInputs {
    const CalculationSnapshot* settings = nullptr;
    const RowPositions* earlierRows = nullptr;  // accepted rows 1 .. k-1
    int earlierCount = 0;
    std::array<RowPositions, 3> references{};  // main numbers of the reference draws
    const HistoryWindow* ever = nullptr;       // start (exclusive) to end
    const HistoryWindow* recent = nullptr;     // end - 7 * weeks (exclusive) to end
};

// The filters in the order they are applied; None when a candidate passes
// them all.
enum class RowFilter : std::uint8_t {
    None,
    OverlapWithEachEarlierRow,  // every earlier row within the overlap limits
    MaximumOverlap,             // some earlier row shares at most the maximum
    MinimumOverlap,             // some earlier row shares at least the minimum
    ForcedPair,
    NoRunOfThree,
    RowSum,
    FirstReferenceDraw,
    SecondReferenceDraw,
    ThirdReferenceDraw,
    MinimumEven,
    MinimumOdd,
    EverDrawn,      // matched a stored draw since the start date
    RecentlyDrawn,  // matched a draw of the recent weeks
    MinimumPrimes,
};

// The first filter that rejects the candidate, RowFilter::None when it
// passes every one.
inline RowFilter firstRejectingFilter(const FilterInputs& in, const Candidate& c) {
    const CalculationSnapshot& s = *in.settings;
    const NumberSet m = c.numbers;

    if (in.earlierCount > 0 && (s.eachEarlierRow || s.maxOverall || s.minOverall)) {
        int fewest = ZahlenProReihe + 1;
        int most = -1;
        bool eachFails = false;
        for (int i = 0; i < in.earlierCount; ++i) {
            const int shared = sharedNumbers(m, in.earlierRows[i]);
            if (shared > s.maxShared || shared < s.minShared) eachFails = true;
            if (shared < fewest) fewest = shared;
            if (shared > most) most = shared;
        }
        if (s.eachEarlierRow && eachFails) return RowFilter::OverlapWithEachEarlierRow;
        if (s.maxOverall && fewest > s.maxShared) return RowFilter::MaximumOverlap;
        if (s.minOverall && most < s.minShared) return RowFilter::MinimumOverlap;
    }
    if (s.forcePair && (m & (m >> 1)) == 0) return RowFilter::ForcedPair;
    if (s.noTriple && (m & (m >> 1) & (m >> 2)) != 0) return RowFilter::NoRunOfThree;
    if (c.sum < s.sumLow || c.sum > s.sumHigh) return RowFilter::RowSum;
    constexpr std::array<RowFilter, 3> kReferenceFilters{RowFilter::FirstReferenceDraw,
                                                         RowFilter::SecondReferenceDraw,
                                                         RowFilter::ThirdReferenceDraw};
    for (std::size_t ru = 0; ru < kReferenceFilters.size(); ++ru) {
        if (s.referenceOn[ru] && s.referenceMax[ru] > 0 &&
            sharedNumbers(m, in.references[ru]) > s.referenceMax[ru])
            return kReferenceFilters[ru];
    }
    if (s.minEvenOn && countOf(m & kEvenNumbers) < s.minEven) return RowFilter::MinimumEven;
    if (s.minOddOn && countOf(m & kOddNumbers) < s.minOdd) return RowFilter::MinimumOdd;
    if (s.everOn || s.recentOn) {
        const NumberSet withPowerball =
            s.powerballCounts && c.powerball >= 1 && c.powerball <= MaxPowerball
                ? m | powerballBit(c.powerball)
                : m;
        if (s.everOn && in.ever->reaches(withPowerball, s.everHits)) return RowFilter::EverDrawn;
        if (s.recentOn && in.recent->reaches(withPowerball, s.recentHits))
            return RowFilter::RecentlyDrawn;
    }
    if (s.primesOn && countOf(m & kPrimeNumbers) < s.minPrimes) return RowFilter::MinimumPrimes;
    return RowFilter::None;
}

// Whether the candidate passes every filter: the same verdict as
// firstRejectingFilter() == RowFilter::None. No filter has a side effect, so the candidate
// loop tries the cheap bit tests first and leaves the row overlaps and the
// history scans to the few candidates that get that far.
bool passesCostlyFilters(const FilterInputs& in, const Candidate& c);
inline bool passesAllFilters(const FilterInputs& in, const Candidate& c) {
    const CalculationSnapshot& s = *in.settings;
    const NumberSet m = c.numbers;
    if (c.sum < s.sumLow || c.sum > s.sumHigh) return false;
    if (s.noTriple && (m & (m >> 1) & (m >> 2)) != 0) return false;
    if (s.forcePair && (m & (m >> 1)) == 0) return false;
    return passesCostlyFilters(in, c);
}

}  // namespace kugel
