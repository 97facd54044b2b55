// The real draw history and the program on a silent platform, shared by
// the benchmarks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>

#include "scripted/scripted_platform.h"
#include "shell/application.h"

namespace kugel::bench {

constexpr std::uint32_t kSeed = 20180420;

// The history of data/au-powerball-6of40-2013-2018.csv (267 draws),
// converted once into a Powerball.dat in a directory of its own.
struct BenchHistory {
    std::filesystem::path dir;
    double first = 0;
    double newest = 0;
    BenchHistory();
    ~BenchHistory();
};
const BenchHistory& history();

// The program with its initial settings on a silent platform, the end date
// on the newest draw.
struct BenchApp {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    std::unique_ptr<Application> app;
    BenchApp();
    TForm1& form() const;
};

}  // namespace kugel::bench
