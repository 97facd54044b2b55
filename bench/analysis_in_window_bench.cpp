// The analysis of the settings over the real history (267 draws) as the
// desktop program runs it: the real Qt view follows the model, the window is
// shown (offscreen unless a display is asked for), and the program's pending
// events are handled whenever the model hands control to the window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <string>

#include "analysis/settings_analysis.h"
#include "bench_app.h"
#include "model/main_window.h"
#include "qt/main_view.h"
#include "qt/program_view.h"
#include "qt/qt_platform.h"

namespace kugel {
namespace {

using bench::BenchApp;
using bench::history;
using bench::kSeed;

void BM_SettingsAnalysisInWindow(benchmark::State& state) {
    BenchApp b;
    ProgramView view(*b.app);
    view.mainWindow().show();
    QCoreApplication::processEvents();
    // What the desktop platform does whenever the model hands control over.
    b.platform.onProcessEvents = [] { handlePendingEvents(); };
    TForm1& f = b.form();
    const std::string seed = std::to_string(kSeed);
    for (auto _ : state) {
        f.DateTimePicker1->setDate(history().first);
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Button, DialogResult::Yes, {}});
        b.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Text, DialogResult::Ok, seed});
        // The desktop platform's busy cursor of the analysis.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        runSettingsAnalysis(f);
        QApplication::restoreOverrideCursor();
        QCoreApplication::processEvents();
        b.out.str({});
    }
    const std::string& rounds = f.RichEdit1->line(11);
    if (rounds.rfind("Ziehungen: 267mit", 0) != 0)
        state.SkipWithError(("unexpected report line: " + rounds).c_str());
    b.platform.onProcessEvents = nullptr;
}
BENCHMARK(BM_SettingsAnalysisInWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace kugel

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
