#include "model/game.h"

namespace kugel {

bool TZiehung::isValidDraw() const {
    std::uint64_t seen = 0;
    for (int i = 0; i < ZahlenProReihe; ++i) {
        const int z = Zahlen[static_cast<std::size_t>(i)];
        if (z < 1 || z > MaxZahl || (seen >> z & 1u)) return false;
        seen |= std::uint64_t{1} << z;
    }
    return Zahlen[6] >= 1 && Zahlen[6] <= MaxPowerball;
}

TZiehung ersteZiehungRecord() {
    return {ErsteZiehung, {8, 16, 19, 25, 26, 29, 5, 0}};
}

long long roundHalfEven(long long num, long long den) {
    long long q = num / den;
    long long r = num % den;
    if (r < 0) {  // floor division
        --q;
        r += den;
    }
    const long long twice = 2 * r;
    if (twice > den || (twice == den && q % 2 != 0)) ++q;
    return q;
}

}  // namespace kugel
