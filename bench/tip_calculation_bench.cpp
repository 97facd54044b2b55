// Runs per second of the tip calculation over the real history (267 draws),
// beside a bare sampling loop (six pool draws and a Powerball per run, no
// tests) as the limit the candidate loop can approach.

#include <benchmark/benchmark.h>

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
#include "platform/scripted_platform.h"
#include "shell/application.h"

namespace kugel {
namespace {

constexpr std::uint32_t kSeed = 20180420;

// "2013-03-07,8,16,19,25,26,29,5,877" -> a stored draw.
TZiehung parseCsvLine(const std::string& line) {
    std::istringstream in(line);
    std::string field;
    std::vector<std::string> fields;
    while (std::getline(in, field, ',')) fields.push_back(field);
    if (fields.size() < 9) throw std::runtime_error("bad history line: " + line);
    const auto date =
        encodeDate(std::stoi(fields[0].substr(0, 4)), std::stoi(fields[0].substr(5, 2)),
                   std::stoi(fields[0].substr(8, 2)));
    if (!date) throw std::runtime_error("bad date: " + line);
    TZiehung z;
    z.Datum = *date;
    for (std::size_t i = 0; i < 7; ++i)
        z.Zahlen[i] = static_cast<std::uint8_t>(std::stoi(fields[i + 1]));
    z.Zahlen[7] = static_cast<std::uint8_t>(std::stoi(fields[8]) % 256);
    return z;
}

// The history converted once into a Powerball.dat in a directory of its own.
struct BenchHistory {
    std::filesystem::path dir;
    double newest = 0;
    BenchHistory() {
        dir =
            std::filesystem::temp_directory_path() / ("kugel-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::ifstream csv(KUGEL_HISTORY_CSV);
        if (!csv) throw std::runtime_error("history not found: " KUGEL_HISTORY_CSV);
        std::string line;
        std::getline(csv, line);  // header
        std::ofstream out(dir / "Powerball.dat", std::ios::binary | std::ios::trunc);
        while (std::getline(csv, line)) {
            if (line.empty()) continue;
            const TZiehung z = parseCsvLine(line);
            out << encodeRecord(z);
            newest = z.Datum;
        }
    }
    ~BenchHistory() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

const BenchHistory& history() {
    static const BenchHistory h;
    return h;
}

// The program with its initial settings on a silent platform, the end date
// on the newest draw.
struct BenchApp {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    std::unique_ptr<Application> app;
    BenchApp() {
        platform.setProgramDirectory(history().dir.string());
        app = std::make_unique<Application>(platform);
        TForm1& f = form();
        f.Home = history().dir.string() + "/";
        f.ZahlenFile = "Powerball.dat";
        f.sortieren = true;
        f.DateTimePicker1->setDate(history().newest);
    }
    TForm1& form() const { return app->form1(); }
};

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
    s.UpDown1->setPosition(250);
    s.UpDown2->setPosition(30);
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
    buildPool(f, findReferenceDraws(f), pool);
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
