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
// `copies` > 1 repeats the draws, each copy shifted to follow the one before
// by a week, for measuring how work grows with the history.
struct BenchHistory {
    std::filesystem::path dir;
    double first = 0;
    double newest = 0;
    std::size_t draws = 0;
    explicit BenchHistory(int copies = 1);
    ~BenchHistory();
};
const BenchHistory& history(int copies = 1);

// The program with its initial settings on a silent platform, the end date
// on the newest draw.
struct BenchApp {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    std::unique_ptr<Application> app;
    explicit BenchApp(int copies = 1);
    TForm1& form() const;
};

}  // namespace kugel::bench
