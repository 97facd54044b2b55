// Runs per second of the tip calculation over the real history (267 draws),
// beside a bare sampling loop (six pool draws and a Powerball per run, no
// tests) as the limit the candidate loop can approach.

#include <benchmark/benchmark.h>

#include "bench_app.h"

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "generation/number_preference.h"
#include "generation/row_filters.h"
#include "generation/tip_calculation.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "platform/dates.h"
#include "scripted/scripted_platform.h"
#include "shell/application.h"

namespace kugel {
namespace {

using bench::BenchApp;
using bench::kSeed;

void runCalculations(benchmark::State& state, BenchApp& b) {
    TForm1& f = b.form();
    long long runs = 0;
    for (auto _ : state) {
        f.random.seed = kSeed;
        const auto report = startOrStopCalculation(f);
        if (!report)
            state.SkipWithError("no calculation ran");
        else
            runs += report->runs;
    }
    state.counters["runs"] =
        benchmark::Counter(static_cast<double>(runs) / static_cast<double>(state.iterations()));
    state.counters["runs_per_s"] =
        benchmark::Counter(static_cast<double>(runs), benchmark::Counter::kIsRate);
}

// (a) The initial settings, six rows, budget 50 thousand, end to end.
void BM_DefaultTicket(benchmark::State& state) {
    BenchApp b;
    runCalculations(state, b);
}
BENCHMARK(BM_DefaultTicket)->Unit(benchmark::kMillisecond);

// (b) No candidate passes the sum test; the largest budget, 30 million runs.
void BM_SumNeverPasses(benchmark::State& state) {
    BenchApp b;
    SettingsControls& s = b.form().settings;
    s.UpDown1->setPosition(230);  // above the largest sum a row can have
    s.UpDown2->setPosition(239);
    s.UpDown7->setPosition(30000);
    runCalculations(state, b);
}
BENCHMARK(BM_SumNeverPasses)->Unit(benchmark::kMillisecond)->Iterations(3);

// (c) Almost every candidate reaches the test against the whole history
// and fails it there: no row may ever have shared three numbers (the
// Powerball counting as one) with a stored draw. The overlap tests between
// rows are off so that they do not reject first; twelve rows.
void BM_HistoryTests(benchmark::State& state) {
    BenchApp b;
    SettingsControls& s = b.form().settings;
    s.UpDown6->setPosition(3);
    s.CheckBox3->setChecked(false);
    s.CheckBox24->setChecked(false);
    s.CheckBox27->setChecked(false);
    b.form().ticket.UpDown8->setPosition(12);
    s.UpDown7->setPosition(1000);
    runCalculations(state, b);
}
BENCHMARK(BM_HistoryTests)->Unit(benchmark::kMillisecond);

// The limit: six pool draws and a Powerball per run, nothing tested, over
// the pool the initial settings build.
void BM_BareSampling(benchmark::State& state) {
    BenchApp b;
    TForm1& f = b.form();
    Pool pool;
    buildPool(f, readSnapshot(f), findReferenceDraws(f), pool);
    std::vector<std::uint8_t> entries(pool.begin(), pool.end());
    const auto size = static_cast<std::uint32_t>(entries.size());
    constexpr int kRunsPerIteration = 1 << 20;
    Random rng{kSeed};
    long long runs = 0;
    for (auto _ : state) {
        NumberSet seen = 0;
        Candidate c;
        for (int r = 0; r < kRunsPerIteration; ++r) {
            drawSix(rng, entries.data(), size, c);
            c.powerball = static_cast<int>(rng.next(MaxPowerball)) + 1;
            seen ^= c.numbers + static_cast<NumberSet>(c.powerball);
        }
        benchmark::DoNotOptimize(seen);
        runs += kRunsPerIteration;
    }
    state.counters["runs_per_s"] =
        benchmark::Counter(static_cast<double>(runs), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BareSampling)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kugel

BENCHMARK_MAIN();
