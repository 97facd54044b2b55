#pragma once

#include <array>
#include <cstdint>

#include "model/game.h"
#include "model/random.h"

namespace kugel {

class TForm1;

enum class PowerballRule { Random, Rarest, LongestOutstanding };

// The two Powerball statistics the choice works from, indexed 1..20:
// for how many draws each has been outstanding, and how often it was drawn.
struct PowerballStatistics {
    std::array<long long, MaxPowerball + 1> outstanding{};
    std::array<long long, MaxPowerball + 1> frequency{};
};

// Shows the outstanding and then the frequency statistic of the Powerball
// (the frequency chart stays behind) and keeps the values of both.
PowerballStatistics readPowerballStatistics(TForm1& form);

// The Powerball of every candidate row. Nothing in the choice depends on the
// row, so it is prepared once for the current settings: the rarest and the
// longest outstanding rules come down to one fixed Powerball, the random rule
// to the set of Powerballs that are not refused.
class PowerballChoice {
  public:
    // `refuseBelow` applies when `refuseRecent` is set: a Powerball whose
    // outstanding value is below it was drawn too recently. When every
    // Powerball is refused the choice falls back to the one outstanding
    // longest (the highest number on ties) instead of searching forever.
    // Statistics without a single draw leave every Powerball to chance.
    void prepare(const PowerballStatistics& stats, PowerballRule rule, bool refuseRecent,
                 int refuseBelow);

    // Whether the statistics held no draw, so every Powerball was made
    // equally likely whatever the rule.
    bool withoutDraws() const { return withoutDraws_; }

    // The random rule draws 0..19 per attempt until a Powerball is not
    // refused; the fixed rules take no random number.
    int choose(Random& rng) const {
        if (fixed_ != 0) return fixed_;
        // Two attempts at a time, the first that is not refused taken
        // without a branch: with the usual refusal half the attempts fail,
        // and a mispredicted branch costs more than the spare draw.
        for (;;) {
            Random first = rng;
            const int p1 = static_cast<int>(first.next(MaxPowerball)) + 1;
            Random second = first;
            const int p2 = static_cast<int>(second.next(MaxPowerball)) + 1;
            const bool ok1 = (allowed_ >> p1) & 1u;
            const bool ok2 = (allowed_ >> p2) & 1u;
            if (ok1 || ok2) {
                rng = ok1 ? first : second;
                return ok1 ? p1 : p2;
            }
            rng = second;
        }
    }

  private:
    int fixed_ = 0;              // the result of a fixed rule, 0 for the random rule
    std::uint32_t allowed_ = 0;  // bit p: Powerball p is not refused
    bool withoutDraws_ = false;
};

}  // namespace kugel
