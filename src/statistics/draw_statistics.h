#pragma once

#include <vector>

#include "model/game.h"

namespace kugel {

// The statistics of a span of draws as plain values, computed without
// touching a window: the chart shows them and the tip calculation uses them.
// Index k of a list of values belongs to number (or Powerball) k+1.
//
// Bytes outside 1..40 (or 1..20 for the Powerball) in a damaged record are
// left out of the per-number values, while the draw itself still counts
// (and still ages every other number).

struct NumberFrequency {
    std::vector<long long> count;  // 40 values
    long long sumTotal = 0;        // sum of every draw's six main numbers
};
NumberFrequency mainNumberFrequency(const std::vector<TZiehung>& draws);

// For how many draws each main number has been outstanding: 1 after the draw
// that drew it, one more for every draw since; a number never drawn counts
// every draw plus one.
std::vector<long long> mainNumberOutstanding(const std::vector<TZiehung>& draws);

std::vector<long long> powerballFrequency(const std::vector<TZiehung>& draws);

// As for the main numbers, except that a Powerball never drawn ends at the
// number of draws, not one more.
std::vector<long long> powerballOutstanding(const std::vector<TZiehung>& draws);

struct RowSumCounts {
    int smallest = 0;              // the sum of count[0]
    std::vector<long long> count;  // smallest .. largest sum; empty without draws
    long long sumTotal = 0;
};
RowSumCounts rowSums(const std::vector<TZiehung>& draws);

// How often each run of `size` consecutive main numbers n..n+size-1 was drawn
// complete within one draw, for first numbers n = 1..lastFirst; the list has
// `bars` values (those past lastFirst stay 0).
struct GroupCounts {
    std::vector<long long> count;
    long long found = 0;  // all complete runs together
};
GroupCounts consecutiveGroups(const std::vector<TZiehung>& draws, int size, int lastFirst,
                              int bars);

}  // namespace kugel
