#pragma once

#include <cstdint>

namespace kugel {

// The one random generator of the program: a 32-bit linear congruential
// generator. Every random choice goes through it, so a seed (the clock or
// the user's lucky number) fixes the whole sequence.
struct Random {
    std::uint32_t seed = 0;

    // A number in 0..n-1: advance, then scale the seed into the range.
    std::uint32_t next(std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
    }
};

}  // namespace kugel
