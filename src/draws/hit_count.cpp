#include "draws/hit_count.h"

#include <array>

#include "model/game.h"
#include "model/main_window.h"

namespace kugel {

std::string hitClassText(HitClass c) {
    return std::to_string(c.hits) + (c.powerball ? " + PB" : "");
}

bool isHighlighted(HitClass c) {
    return c.hits >= 4 || (c.hits >= 2 && c.powerball);
}

int countedHits(HitClass c, bool powerballCounts) {
    return c.hits + (powerballCounts && c.powerball ? 1 : 0);
}

void Zettelcheck(TForm1& form, const std::string& edit1T, const std::string& edit2T,
                 const std::string& edit3T, const std::string& edit4T, const std::string& edit5T,
                 const std::string& edit6T, const std::string& edit7T) {
    form.Gewinn = 0;
    form.Zusatz = false;
    for (int k = 1; k <= ZahlenProReihe; ++k) form.Treffer[static_cast<std::size_t>(k)] = false;

    // All six texts are converted before anything is compared, so a bad
    // main number leaves no hits behind.
    const std::array<int, ZahlenProReihe> row{toInteger(edit1T), toInteger(edit2T),
                                              toInteger(edit3T), toInteger(edit4T),
                                              toInteger(edit5T), toInteger(edit6T)};
    for (std::size_t i = 1; i <= ZahlenProReihe; ++i) {
        for (std::size_t k = 1; k <= ZahlenProReihe; ++k) {
            if (row[k - 1] == form.Zahl[i]) {
                form.Treffer[k] = true;
                ++form.Gewinn;
            }
        }
    }
    if (toInteger(edit7T) == form.Zahl[7]) form.Zusatz = true;
}

}  // namespace kugel
