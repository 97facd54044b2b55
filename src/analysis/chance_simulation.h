#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/prize_odds.h"

namespace kugel {

// The comparison with chance as the program makes it. The rows of one
// ticket are checked against the same draw and a calculated ticket repeats
// numbers from row to row, so its rows are no independent trials: a test
// that treats them as such finds "better" or "worse" far too often. Here
// the rows stay as they were checked and chance draws instead: as many
// draws as were checked, each six of forty and a Powerball of twenty, drawn
// many times over with the program's generator from a fixed seed. Whatever
// the rows share, the simulated periods show what these very rows win when
// the draws are fair.
//
// The one figure judged is the number of rows that won in any of the eight
// prize divisions. A total prize value would hang on the rare top divisions
// (one first-division win outweighs a lifetime of small ones), so its
// spread says little; the rows that won are what a player counts.

// One row as the ticket check reads it: a number standing twice counts
// twice, a number outside 1..40 never hits.
struct CheckedRow {
    std::array<int, 6> numbers{};
    int powerball = 0;
    bool operator==(const CheckedRow&) const = default;
};

// Rows checked together against each of `draws` draws.
struct CheckedTicket {
    std::vector<CheckedRow> rows;
    long long draws = 0;
};

// What a comparison is given: the tickets as they were checked and the
// rows' hit classes as the check counted them.
struct ChanceTally {
    std::vector<CheckedTicket> tickets;
    HitClassCounts observed{};
    long long draws = 0;

    // One draw checked with `rows` (the rows that could be read); a draw
    // checked with the same rows as the one before joins its ticket.
    void addDraw(const std::vector<CheckedRow>& rows);
    // One checked row's hit class; more than six hits count as six.
    void count(int mainHits, bool powerball);
    long long rows() const;
};

inline constexpr int kChanceSimulations = 10000;
inline constexpr std::uint32_t kChanceSeed = 20130307;

// The simulated periods: for each, the rows by hit class and the rows that
// won.
class ChanceSimulation {
  public:
    ChanceSimulation(const std::vector<CheckedTicket>& tickets, int periods, std::uint32_t seed);

    int periods() const { return periods_; }
    long long rows() const { return rows_; }
    long long draws() const { return draws_; }
    // The rows of period s by hit class.
    const std::int32_t* classes(int s) const {
        return classes_.data() + static_cast<std::size_t>(s) * kHitClasses;
    }
    std::int32_t winningRows(int s) const { return winning_[static_cast<std::size_t>(s)]; }

  private:
    int periods_;
    long long rows_ = 0;
    long long draws_ = 0;
    std::vector<std::int32_t> classes_;
    std::vector<std::int32_t> winning_;
};

// The observed rows beside the simulated periods: the expected rows of each
// class (exact: sharing numbers does not move the mean), the central 95 % of
// the periods for each class and for the rows that won, and the two-sided
// p-value of the rows that won. Throws std::logic_error when the observed
// rows are not the simulated ones.
ChanceComparison judgeBySimulation(const ChanceSimulation& simulation,
                                   const HitClassCounts& observed);

// Simulates with the program's number of periods and seed and judges.
ChanceComparison judgeTally(const ChanceTally& tally);

// Whether a class wins in one of the eight divisions.
bool isWinningClass(int mainHits, bool powerball);

}  // namespace kugel
