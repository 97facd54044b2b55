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

// Runs the outstanding and the frequency statistic of the Powerball (which
// leave the frequency chart behind) and takes their values from the chart.
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
    void prepare(const PowerballStatistics& stats, PowerballRule rule, bool refuseRecent,
                 int refuseBelow);

    // The random rule draws 0..19 per attempt until a Powerball is not
    // refused; the fixed rules take no random number.
    int choose(Random& rng) const {
        if (fixed_ != 0) return fixed_;
        for (;;) {
            const int p = static_cast<int>(rng.next(MaxPowerball)) + 1;
            if ((allowed_ >> p) & 1u) return p;
        }
    }

  private:
    int fixed_ = 0;               // the result of a fixed rule, 0 for the random rule
    std::uint32_t allowed_ = 0;  // bit p: Powerball p is not refused
};

}  // namespace kugel
