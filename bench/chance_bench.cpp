// The comparison with chance: what it adds after an analysis of 267 weeks
// with twelve rows each (3 204 rows), the simulation alone, and the older
// tests over independent rows for reference.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/analysis_report.h"
#include "analysis/chance_report.h"
#include "analysis/chance_simulation.h"
#include "analysis/prize_odds.h"
#include "bench_app.h"
#include "model/main_window.h"
#include "model/random.h"

namespace kugel {
namespace {

using bench::BenchApp;

// Rows spread as chance spreads them, with a few classes off by a little.
HitClassCounts table(long long rows) {
    HitClassCounts counts{};
    for (int h = 0; h <= 6; ++h)
        for (const bool pb : {false, true})
            counts[static_cast<std::size_t>(hitClassIndex(h, pb))] =
                std::llround(hitClassProbability(h, pb).value() * static_cast<double>(rows));
    counts[static_cast<std::size_t>(hitClassIndex(3, false))] += 7;
    counts[static_cast<std::size_t>(hitClassIndex(0, false))] -= 7;
    return counts;
}

// A ticket of twelve rows as a calculation leaves them, sharing numbers
// from row to row, and 267 fair draws checked against it.
ChanceTally twelveRowsOver267Draws() {
    std::vector<CheckedRow> rows;
    for (int r = 0; r < 12; ++r) rows.push_back({{1, 2, 3 + r, 10 + r, 20 + r % 7, 28 + r}, 1 + r});
    ChanceTally tally;
    Random random{4711};
    for (int d = 0; d < 267; ++d) {
        std::array<bool, 41> drawn{};
        for (int found = 0; found < 6;) {
            const auto n = random.next(40) + 1;
            if (!drawn[n]) drawn[n] = true, ++found;
        }
        const int powerball = static_cast<int>(random.next(20)) + 1;
        for (const CheckedRow& row : rows) {
            int hits = 0;
            for (const int n : row.numbers) hits += drawn[static_cast<std::size_t>(n)] ? 1 : 0;
            tally.count(hits, row.powerball == powerball);
        }
        tally.addDraw(rows);
    }
    return tally;
}

// The whole addition after the analysis: 10 000 simulated periods of 267
// draws against twelve rows, the ranges and the test, the lines in the
// language in use and the second report written to disk.
void BM_ComparisonAfterAnalysis(benchmark::State& state) {
    BenchApp b;
    TForm1& f = b.form();
    const ChanceTally tally = twelveRowsOver267Draws();
    const auto target = chanceReportPath(reportPath(f));
    for (auto _ : state) {
        const ChanceComparison c = judgeTally(tally);
        const auto lines = chanceLines(f, {"267 x 12"}, c);
        writeReport(target, lines);
        benchmark::DoNotOptimize(lines.data());
    }
    const ChanceComparison c = judgeTally(tally);
    if (c.test != ChanceTest::Simulation || c.rows != 267 * 12 || c.samples != kChanceSimulations)
        state.SkipWithError("3 204 rows should be judged by 10 000 simulated periods");
}
BENCHMARK(BM_ComparisonAfterAnalysis)->Unit(benchmark::kMillisecond);

// The simulation alone: 10 000 periods of 267 draws against twelve rows.
void BM_ChanceSimulation(benchmark::State& state) {
    const ChanceTally tally = twelveRowsOver267Draws();
    for (auto _ : state) {
        const ChanceSimulation sim(tally.tickets, kChanceSimulations, kChanceSeed);
        benchmark::DoNotOptimize(sim.winningRows(0));
    }
}
BENCHMARK(BM_ChanceSimulation)->Unit(benchmark::kMillisecond);

// The tests below treat every row as an independent trial; the program no
// longer judges by them. They stay as the reference for what the old
// comparison cost.

// The test alone, without text and file.
void BM_ChiSquareComparison(benchmark::State& state) {
    const HitClassCounts counts = table(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(judgeAgainstChance(counts).pValue);
}
BENCHMARK(BM_ChiSquareComparison)->Arg(267 * 12)->Unit(benchmark::kMicrosecond);

// 100 000 simulated tables of as many rows as observed: one ticket of
// twelve rows, the most the chi-square test refuses (from 13 rows on its
// pooled groups expect five rows each), and what a hundred rows would cost.
void BM_MonteCarloTest(benchmark::State& state) {
    HitClassCounts counts{};
    counts[static_cast<std::size_t>(hitClassIndex(0, false))] = state.range(0) / 3;
    counts[static_cast<std::size_t>(hitClassIndex(1, false))] = state.range(0) / 2;
    counts[static_cast<std::size_t>(hitClassIndex(2, true))] =
        state.range(0) - state.range(0) / 3 - state.range(0) / 2;
    double p = 0;
    for (auto _ : state) {
        p = monteCarloPValue(counts, kMonteCarloSamples, kMonteCarloSeed);
        benchmark::DoNotOptimize(p);
    }
    // The same seed, the same p-value.
    if (p != monteCarloPValue(counts, kMonteCarloSamples, kMonteCarloSeed))
        state.SkipWithError("the seeded test is not repeatable");
}
BENCHMARK(BM_MonteCarloTest)->Arg(12)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kugel
