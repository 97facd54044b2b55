// The analysis of the settings over the real history (267 draws) from the
// first draw on with the initial settings: a calculation per week, the
// check against the next draw and the report, end to end.

#include <benchmark/benchmark.h>

#include <string>

#include "analysis/settings_analysis.h"
#include "bench_app.h"
#include "model/main_window.h"

namespace kugel {
namespace {

using bench::BenchApp;
using bench::history;
using bench::kSeed;

void BM_SettingsAnalysis(benchmark::State& state) {
    BenchApp b;
    TForm1& f = b.form();
    const std::string seed = std::to_string(kSeed);
    for (auto _ : state) {
        f.DateTimePicker1->setDate(history().first);
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Button, DialogResult::Yes, {}});
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Text, DialogResult::Ok, seed});
        BitBtn9Click(f);
        b.out.str({});
    }
    // Rounds: every draw but the first is checked once, the newest twice.
    const std::string& rounds = f.RichEdit1->line(11);
    if (rounds.rfind("Ziehungen: 267mit", 0) != 0)
        state.SkipWithError(("unexpected report line: " + rounds).c_str());
}
BENCHMARK(BM_SettingsAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kugel
