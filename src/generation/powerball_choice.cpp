#include "generation/powerball_choice.h"

#include <algorithm>
#include <vector>

#include "model/main_window.h"
#include "statistics/number_statistics.h"

namespace kugel {
PowerballStatistics readPowerballStatistics(TForm1& form) {
    PowerballStatistics stats;
    const std::vector<long long> outstanding = showPowerballOutstanding(form);
    const std::vector<long long> frequency = showPowerballFrequency(form);
    std::copy(outstanding.begin(), outstanding.end(), stats.outstanding.begin() + 1);
    std::copy(frequency.begin(), frequency.end(), stats.frequency.begin() + 1);
    return stats;
}

void PowerballChoice::prepare(const PowerballStatistics& stats, PowerballRule rule,
                              bool refuseRecent, int refuseBelow) {
    // Without a draw in the window every count is zero: no Powerball is
    // rarer, longer outstanding or more recent than another, so each is
    // equally likely instead of the ties handing every row the highest.
    withoutDraws_ = std::all_of(stats.frequency.begin() + 1, stats.frequency.end(),
                                [](long long n) { return n == 0; });
    if (withoutDraws_) {
        fixed_ = 0;
        allowed_ = 0;
        for (int p = 1; p <= MaxPowerball; ++p) allowed_ |= 1u << p;
        return;
    }

    // The longest outstanding: the highest number among the largest values.
    int longest = 1;
    for (int p = 1; p <= MaxPowerball; ++p)
        if (stats.outstanding[static_cast<std::size_t>(p)] >=
            stats.outstanding[static_cast<std::size_t>(longest)])
            longest = p;

    allowed_ = 0;
    for (int p = 1; p <= MaxPowerball; ++p)
        if (!refuseRecent || stats.outstanding[static_cast<std::size_t>(p)] >= refuseBelow)
            allowed_ |= 1u << p;

    fixed_ = 0;
    if (allowed_ == 0 || rule == PowerballRule::LongestOutstanding) {
        // The longest outstanding is refused only when every Powerball is.
        fixed_ = longest;
    } else if (rule == PowerballRule::Rarest) {
        // Refusing sets a count beyond any real one, so the rarest Powerball
        // not refused wins, the highest number on ties.
        for (int p = 1; p <= MaxPowerball; ++p) {
            if (!((allowed_ >> p) & 1u)) continue;
            if (fixed_ == 0 || stats.frequency[static_cast<std::size_t>(p)] <=
                                   stats.frequency[static_cast<std::size_t>(fixed_)])
                fixed_ = p;
        }
    }
}

}  // namespace kugel
