#pragma once

#include <array>
#include <cstdint>

namespace kugel {

constexpr int MaxZahl = 40;
constexpr int MaxPowerball = 20;
constexpr int ZahlenProReihe = 6;
constexpr int MaxTipps = 12;
constexpr double ErsteZiehung = 41340;  // Thursday 7 March 2013, the first draw known
constexpr double ZiehungsAbstand = 7;

// Records are read as stored, so a damaged one may hold any byte: code that
// indexes by a number asks these first.
constexpr bool isMainNumber(int n) {
    return n >= 1 && n <= MaxZahl;
}
constexpr bool isPowerball(int n) {
    return n >= 1 && n <= MaxPowerball;
}

// num / den rounded to the nearest integer, a half to the even neighbour.
// Exact in integers: a bound must not depend on how a binary fraction of
// x.5 happens to come out. `den` must be positive.
long long roundHalfEven(long long num, long long den);

constexpr bool isPrime(int n) {
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

// One stored draw. Zahlen[0..5] are the main numbers, [6] the Powerball,
// [7] the extra value the results server delivers.
struct TZiehung {
    double Datum = 0;
    std::array<std::uint8_t, 8> Zahlen{};

    int mainSum() const {
        int s = 0;
        for (int i = 0; i < ZahlenProReihe; ++i) s += Zahlen[static_cast<std::size_t>(i)];
        return s;
    }
    // Six different main numbers 1..40 and a Powerball 1..20.
    bool isValidDraw() const;
};

// The record written into a new history before anything is downloaded.
TZiehung ersteZiehungRecord();

}  // namespace kugel
