// The comparison with chance: what it adds after an analysis of 267 weeks
// with twelve rows each (3 204 rows), and the Monte-Carlo test the
// comparison takes where the rows are too few for the chi-square test.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "analysis/analysis_report.h"
#include "analysis/chance_report.h"
#include "analysis/prize_odds.h"
#include "bench_app.h"
#include "model/main_window.h"

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

// The whole addition after the analysis: the test, the lines in the
// language in use and the second report written to disk.
void BM_ComparisonAfterAnalysis(benchmark::State& state) {
    BenchApp b;
    TForm1& f = b.form();
    const HitClassCounts counts = table(267 * 12);
    const auto target = chanceReportPath(reportPath(f));
    for (auto _ : state) {
        const ChanceComparison c = judgeAgainstChance(counts);
        const auto lines = chanceLines(f, "267 x 12", c);
        writeReport(target, lines);
        benchmark::DoNotOptimize(lines.data());
    }
    if (judgeAgainstChance(counts).test != ChanceTest::ChiSquare)
        state.SkipWithError("3 204 rows should take the chi-square test");
}
BENCHMARK(BM_ComparisonAfterAnalysis)->Unit(benchmark::kMillisecond);

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
