// The two historical analyses over the real history (267 draws) and over
// that history repeated 4 and 16 times (later copies shifted behind the
// first), from the first draw on with the initial settings, end to end: how
// their cost grows with the history.
//   settings analysis: a calculation per week, the check against the next
//                      draw and the report;
//   history analysis:  row one against every draw since the start date, for
//                      every draw in turn.

#include <benchmark/benchmark.h>

#include <string>

#include "analysis/history_analysis.h"
#include "analysis/settings_analysis.h"
#include "bench_app.h"
#include "model/main_window.h"

namespace kugel {
namespace {

using bench::BenchApp;
using bench::history;
using bench::kSeed;

void BM_SettingsAnalysis(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    BenchApp b(copies);
    TForm1& f = b.form();
    const std::string seed = std::to_string(kSeed);
    for (auto _ : state) {
        f.DateTimePicker1->setDate(history(copies).first);
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Button, DialogResult::Yes, {}});
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Text, DialogResult::Ok, seed});
        runSettingsAnalysis(f);
        b.out.str({});
    }
    // Rounds: every draw but the first is checked once, the newest twice.
    const std::string expected = "Ziehungen: " + std::to_string(history(copies).draws) + "mit";
    const std::string& rounds = f.RichEdit1->line(11);
    if (rounds.rfind(expected, 0) != 0)
        state.SkipWithError(("unexpected report line: " + rounds).c_str());
    state.counters["draws"] = static_cast<double>(history(copies).draws);
}
BENCHMARK(BM_SettingsAnalysis)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_HistoryAnalysis(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    BenchApp b(copies);
    TForm1& f = b.form();
    for (auto _ : state) {
        f.DateTimePicker2->setDate(history(copies).first);
        f.DateTimePicker1->setDate(history(copies).first);
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Button, DialogResult::Yes, {}});
        // A threshold no row reaches: the analysis runs to the newest draw.
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Text, DialogResult::Ok, "7"});
        runHistoryAnalysis(f);
        b.out.str({});
    }
    if (f.Datum1 != history(copies).newest)
        state.SkipWithError("the analysis did not reach the newest draw");
    state.counters["draws"] = static_cast<double>(history(copies).draws);
}
BENCHMARK(BM_HistoryAnalysis)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kugel
