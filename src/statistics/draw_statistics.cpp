#include "statistics/draw_statistics.h"

#include <algorithm>
#include <cstdint>

namespace kugel {
namespace {

int mainNumber(const TZiehung& z, int i) {
    return z.Zahlen[static_cast<std::size_t>(i)];
}

std::size_t at(int number) {
    return static_cast<std::size_t>(number - 1);
}

// The main numbers of a draw as a bit set; bytes outside 1..40 are left out,
// so they can neither complete a run nor shift a bit outside the set.
std::uint64_t numberSet(const TZiehung& z) {
    std::uint64_t set = 0;
    for (int i = 0; i < ZahlenProReihe; ++i)
        if (isMainNumber(mainNumber(z, i))) set |= std::uint64_t{1} << mainNumber(z, i);
    return set;
}

std::uint64_t runSet(int first, int size) {
    std::uint64_t set = 0;
    for (int n = first; n < first + size; ++n) set |= std::uint64_t{1} << n;
    return set;
}

}  // namespace

NumberFrequency mainNumberFrequency(const std::vector<TZiehung>& draws) {
    NumberFrequency f;
    f.count.assign(MaxZahl, 0);
    for (const TZiehung& z : draws) {
        for (int i = 0; i < ZahlenProReihe; ++i)
            if (isMainNumber(mainNumber(z, i))) ++f.count[at(mainNumber(z, i))];
        f.sumTotal += z.mainSum();
    }
    return f;
}

std::vector<long long> mainNumberOutstanding(const std::vector<TZiehung>& draws) {
    std::vector<long long> gap(MaxZahl, 1);
    for (const TZiehung& z : draws) {
        for (long long& g : gap) ++g;
        for (int i = 0; i < ZahlenProReihe; ++i)
            if (isMainNumber(mainNumber(z, i))) gap[at(mainNumber(z, i))] = 1;
    }
    return gap;
}

std::vector<long long> powerballFrequency(const std::vector<TZiehung>& draws) {
    std::vector<long long> count(MaxPowerball, 0);
    for (const TZiehung& z : draws)
        if (isPowerball(z.Zahlen[6])) ++count[at(z.Zahlen[6])];
    return count;
}

std::vector<long long> powerballOutstanding(const std::vector<TZiehung>& draws) {
    std::vector<long long> gap(MaxPowerball, 0);
    for (const TZiehung& z : draws) {
        for (long long& g : gap) ++g;
        if (isPowerball(z.Zahlen[6])) gap[at(z.Zahlen[6])] = 1;
    }
    return gap;
}

RowSumCounts rowSums(const std::vector<TZiehung>& draws) {
    RowSumCounts sums;
    if (draws.empty()) return sums;
    // Sums of six stored bytes lie in 0..6*255 whatever a record holds.
    const auto [lo, hi] = std::minmax_element(
        draws.begin(), draws.end(),
        [](const TZiehung& a, const TZiehung& b) { return a.mainSum() < b.mainSum(); });
    sums.smallest = lo->mainSum();
    sums.count.assign(static_cast<std::size_t>(hi->mainSum() - sums.smallest + 1), 0);
    for (const TZiehung& z : draws) {
        ++sums.count[static_cast<std::size_t>(z.mainSum() - sums.smallest)];
        sums.sumTotal += z.mainSum();
    }
    return sums;
}

GroupCounts consecutiveGroups(const std::vector<TZiehung>& draws, int size, int lastFirst,
                              int bars) {
    GroupCounts groups;
    groups.count.assign(static_cast<std::size_t>(bars), 0);
    for (const TZiehung& z : draws) {
        const std::uint64_t drawn = numberSet(z);
        for (int n = 1; n <= lastFirst; ++n) {
            // A run reaching past 40 has a bit no draw sets, so it never counts.
            const std::uint64_t run = runSet(n, size);
            if ((drawn & run) == run) {
                ++groups.count[at(n)];
                ++groups.found;
            }
        }
    }
    return groups;
}

}  // namespace kugel
