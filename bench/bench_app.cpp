#include "bench_app.h"

#include <unistd.h>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/history_file.h"
#include "model/main_window.h"
#include "platform/dates.h"

namespace kugel::bench {
namespace {

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

}  // namespace

BenchHistory::BenchHistory(int copies) {
    dir = std::filesystem::temp_directory_path() /
          ("kugel-bench-" + std::to_string(::getpid()) + "-" + std::to_string(copies));
    std::filesystem::create_directories(dir);
    std::ifstream csv(KUGEL_HISTORY_CSV);
    if (!csv) throw std::runtime_error("history not found: " KUGEL_HISTORY_CSV);
    std::string line;
    std::getline(csv, line);  // header
    std::vector<TZiehung> real;
    while (std::getline(csv, line))
        if (!line.empty()) real.push_back(parseCsvLine(line));
    if (real.empty()) throw std::runtime_error("no draws in " KUGEL_HISTORY_CSV);
    const double span = real.back().Datum - real.front().Datum + 7;
    std::ofstream out(dir / "Powerball.dat", std::ios::binary | std::ios::trunc);
    for (int copy = 0; copy < copies; ++copy) {
        for (TZiehung z : real) {
            z.Datum += copy * span;
            out << encodeRecord(z);
            ++draws;
        }
    }
    first = real.front().Datum;
    newest = real.back().Datum + (copies - 1) * span;
}

BenchHistory::~BenchHistory() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

const BenchHistory& history(int copies) {
    static std::map<int, std::unique_ptr<BenchHistory>> made;
    auto& h = made[copies];
    if (!h) h = std::make_unique<BenchHistory>(copies);
    return *h;
}

BenchApp::BenchApp(int copies) {
    const BenchHistory& h = history(copies);
    platform.setProgramDirectory(h.dir.string());
    app = std::make_unique<Application>(platform);
    TForm1& f = form();
    f.Home = h.dir.string() + "/";
    f.ZahlenFile = "Powerball.dat";
    f.sortieren = true;
    f.DateTimePicker1->setDate(h.newest);
}

TForm1& BenchApp::form() const {
    return app->form1();
}

}  // namespace kugel::bench
