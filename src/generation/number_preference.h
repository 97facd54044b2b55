#pragma once

#include <array>
#include <string>
#include <vector>

#include "generation/calculation_snapshot.h"
#include "model/game.h"

namespace kugel {

class TForm1;

// The pool every number of a calculated row is drawn from: an ordered
// sequence of main numbers 1..40. A number's weight is how often it stands
// in it. The order matters only for the random index taken over it, but that
// makes a calculation repeatable, so every step below adds and removes in a
// fixed order.
using Pool = std::vector<int>;

// The eight number fields of a stored draw: six main numbers, the Powerball
// and the extra value.
using DrawFields = std::array<int, 8>;

// A statistic as its chart shows it: values in bar order, and the smallest
// and the largest of them.
struct StatisticValues {
    std::vector<long long> v;
    long long min = 0;
    long long max = 0;
};
StatisticValues statisticValues(const std::vector<long long>& values);

// A band of statistic values. Whether `lower` itself belongs to the band
// depends on the step: group steps exclude it, the other steps include it.
struct ValueWindow {
    long long lower = 0;
    long long upper = 0;
};

// Groups drawn often: the top 30 % of the spread, lower bound exclusive.
ValueWindow frequentGroupWindow(const StatisticValues& s);
// Groups drawn rarely but at least once: 0 < v <= the bottom 30 % bound.
ValueWindow rareGroupWindow(const StatisticValues& s);
// The top `percent` / `divisor` of the spread, both bounds inclusive
// (divisor 100 for the first pass, 200 for the narrower second one).
ValueWindow highBandWindow(const StatisticValues& s, int percent, int divisor);
// The bottom `percent` / `divisor` of the spread, both bounds inclusive.
ValueWindow lowBandWindow(const StatisticValues& s, int percent, int divisor);

// "Min: 3  Max: 7  12": a window and the pool size, as the status bar shows
// them while the pool grows. `gap` is put before "Max: ".
std::string windowStatus(const ValueWindow& w, const std::string& gap, std::size_t entries);

// For each group whose first number is j+1 (j = 0 .. values - groupSize,
// so no group reaches past the statistic's end) and whose value lies in
// lower < v <= upper: its numbers j+1 .. j+groupSize, ascending.
void addGroupEntries(Pool& pool, const StatisticValues& s, int groupSize, const ValueWindow& w);
// For each number j+1 whose value lies in lower <= v <= upper: `copies`
// entries of it in a row.
void addBandEntries(Pool& pool, const StatisticValues& s, const ValueWindow& w, int copies);
// For each field z of the draw, in field order: z-1 four times (if z > 1),
// then z+1 four times (if z < 40). Neighbours outside 1..40 (a damaged
// extra field) are skipped.
void addNeighbours(Pool& pool, const DrawFields& draw);
// 1..40 in order, then 1 once more.
void addEveryNumber(Pool& pool);
// Removes every entry equal to one of the draw's six main numbers.
void removeDrawNumbers(Pool& pool, const DrawFields& draw);
// Removes every entry in lo..hi.
void removeRange(Pool& pool, int lo, int hi);
// For each number lo..hi, removes its earliest entry, if it has one.
void removeFirstOfEach(Pool& pool, int lo, int hi);
// How many different numbers 1..40 the pool holds.
int differentNumbers(const Pool& pool);

// Builds the pool from the settings: the preference steps (running the
// statistics they need, which redraw the chart), the base entries and the
// removals. `references` are the reference draw and the two draws stored
// before it. Progress goes to panel 1 of the status bar. Showing the pool in
// the number-choice list is the calculation's business, since the user
// works there without the busy cursor.
void buildPool(TForm1& form, const CalculationSnapshot& settings,
               const std::array<DrawFields, 3>& references, Pool& pool);

}  // namespace kugel
