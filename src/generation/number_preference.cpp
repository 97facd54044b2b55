#include "generation/number_preference.h"

#include <algorithm>

#include "model/game.h"
#include "model/main_window.h"
#include "statistics/group_statistics.h"
#include "statistics/number_statistics.h"

namespace kugel {
namespace {

// The 30 % of the group steps is fixed; the percentage edits do not apply.
constexpr int kGroupShareTenths = 3;
constexpr int kNeighbourCopies = 4;

void status(TForm1& form, const std::string& text) {
    form.StatusBar1->setPanelText(1, text);
}

void addWindowEntries(TForm1& form, Pool& pool, const StatisticValues& s, int groupSize,
                      const ValueWindow& w, const std::string& gap) {
    status(form, windowStatus(w, gap, pool.size()));
    addGroupEntries(pool, s, groupSize, w);
}

// The two passes of a band step: the wide band adds each number twice, the
// half next to the preferred end once more.
template <typename WindowOf>
void addBandPasses(TForm1& form, Pool& pool, const StatisticValues& s, int percent,
                   const std::string& firstGap, WindowOf windowOf) {
    const ValueWindow wide = windowOf(s, percent, 100);
    status(form, windowStatus(wide, firstGap, pool.size()));
    addBandEntries(pool, s, wide, 2);
    const ValueWindow narrow = windowOf(s, percent, 200);
    status(form, windowStatus(narrow, "  ", pool.size()));
    addBandEntries(pool, s, narrow, 1);
}

struct GroupStep {
    Msg message;
    int size;
    const char* rareGap;
};

}  // namespace

StatisticValues statisticValues(const std::vector<long long>& values) {
    StatisticValues s;
    s.v = values;
    if (!values.empty()) {
        const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
        s.min = *lo;
        s.max = *hi;
    }
    return s;
}

ValueWindow frequentGroupWindow(const StatisticValues& s) {
    return {roundHalfEven(10 * s.max - kGroupShareTenths * (s.max - s.min), 10), s.max};
}

ValueWindow rareGroupWindow(const StatisticValues& s) {
    return {0, roundHalfEven(10 * s.min + kGroupShareTenths * (s.max - s.min), 10)};
}

ValueWindow highBandWindow(const StatisticValues& s, int percent, int divisor) {
    return {roundHalfEven(divisor * s.max - percent * (s.max - s.min), divisor), s.max};
}

ValueWindow lowBandWindow(const StatisticValues& s, int percent, int divisor) {
    return {s.min, roundHalfEven(divisor * s.min + percent * (s.max - s.min), divisor)};
}

std::string windowStatus(const ValueWindow& w, const std::string& gap, std::size_t entries) {
    return "Min: " + std::to_string(w.lower) + gap + "Max: " + std::to_string(w.upper) + "  " +
           std::to_string(entries);
}

void addGroupEntries(Pool& pool, const StatisticValues& s, int groupSize, const ValueWindow& w) {
    const int last = static_cast<int>(s.v.size()) - groupSize;
    for (int j = 0; j <= last; ++j) {
        const long long v = s.v[static_cast<std::size_t>(j)];
        if (w.lower < v && v <= w.upper)
            for (int n = j + 1; n <= j + groupSize; ++n) pool.push_back(n);
    }
}

void addBandEntries(Pool& pool, const StatisticValues& s, const ValueWindow& w, int copies) {
    for (std::size_t j = 0; j < s.v.size(); ++j) {
        if (w.lower <= s.v[j] && s.v[j] <= w.upper)
            for (int c = 0; c < copies; ++c) pool.push_back(static_cast<int>(j) + 1);
    }
}

void addNeighbours(Pool& pool, const DrawFields& draw) {
    for (const int z : draw) {
        if (z > 1 && isMainNumber(z - 1)) pool.insert(pool.end(), kNeighbourCopies, z - 1);
        if (z < MaxZahl && isMainNumber(z + 1)) pool.insert(pool.end(), kNeighbourCopies, z + 1);
    }
}

void addEveryNumber(Pool& pool) {
    for (int n = 1; n <= MaxZahl; ++n) pool.push_back(n);
    pool.push_back(1);
}

void removeDrawNumbers(Pool& pool, const DrawFields& draw) {
    const auto first = draw.begin();
    const auto last = draw.begin() + ZahlenProReihe;
    std::erase_if(pool, [&](int n) { return std::find(first, last, n) != last; });
}

void removeRange(Pool& pool, int lo, int hi) {
    std::erase_if(pool, [&](int n) { return n >= lo && n <= hi; });
}

void removeFirstOfEach(Pool& pool, int lo, int hi) {
    for (int n = lo; n <= hi; ++n) {
        const auto it = std::find(pool.begin(), pool.end(), n);
        if (it != pool.end()) pool.erase(it);
    }
}

int differentNumbers(const Pool& pool) {
    std::array<bool, MaxZahl + 1> seen{};
    int count = 0;
    for (const int n : pool) {
        if (isMainNumber(n) && !seen[static_cast<std::size_t>(n)]) {
            seen[static_cast<std::size_t>(n)] = true;
            ++count;
        }
    }
    return count;
}

void buildPool(TForm1& form, const CalculationSnapshot& settings,
               const std::array<DrawFields, 3>& references, Pool& pool) {
    const PoolSettings& s = settings.pool;
    pool.clear();

    // Frequent and rare groups of one size share one computation of the
    // statistic; the frequent step always computes it.
    const GroupStep groups[] = {
        {Msg::CalculatingPairs, 2, "  "},
        {Msg::CalculatingTriples, 3, "  "},
        {Msg::CalculatingQuadruples, 4, " "},
    };
    for (std::size_t k = 0; k < std::size(groups); ++k) {
        const GroupStep& g = groups[k];
        StatisticValues values;
        if (s.frequentGroups[k]) {
            status(form, form.msg(g.message));
            values = statisticValues(showConsecutiveGroups(form, g.size));
            addWindowEntries(form, pool, values, g.size, frequentGroupWindow(values), "  ");
        }
        if (s.rareGroups[k]) {
            if (!s.frequentGroups[k]) {
                status(form, form.msg(g.message));
                values = statisticValues(showConsecutiveGroups(form, g.size));
            }
            addWindowEntries(form, pool, values, g.size, rareGroupWindow(values), g.rareGap);
        }
    }

    // Drawn often, drawn rarely (sharing the frequency statistic), outstanding.
    StatisticValues frequency;
    if (s.frequentNumbers) {
        status(form, form.msg(Msg::CalculatingFrequency));
        frequency = statisticValues(showMainNumberFrequency(form));
        addBandPasses(form, pool, frequency, s.frequentPercent, "  ", highBandWindow);
    }
    if (s.rareNumbers) {
        if (!s.frequentNumbers) {
            status(form, form.msg(Msg::CalculatingFrequency));
            frequency = statisticValues(showMainNumberFrequency(form));
        }
        addBandPasses(form, pool, frequency, s.rarePercent, "  ", lowBandWindow);
    }
    if (s.outstandingNumbers) {
        status(form, form.msg(Msg::CalculatingOutstanding));
        const StatisticValues outstanding = statisticValues(showMainNumberOutstanding(form));
        addBandPasses(form, pool, outstanding, s.outstandingPercent, " ", highBandWindow);
    }

    if (s.neighbours) {
        status(form, form.msg(Msg::CalculatingNeighbours));
        addNeighbours(pool, references[0]);
    }

    // Without it, numbers no step preferred stay possible.
    if (!s.onlyPreferred) addEveryNumber(pool);

    // A reference draw allowed no number at all in a row gives none to the pool.
    for (std::size_t r = 0; r < references.size(); ++r)
        if (settings.referenceOn[r] && settings.referenceMax[r] == 0)
            removeDrawNumbers(pool, references[r]);
    if (s.avoidLowNumbers) removeRange(pool, 1, 12);
    if (s.lessWeightBelow32) removeFirstOfEach(pool, 1, 31);
}

}  // namespace kugel
