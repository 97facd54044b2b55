#include "support/test_app.h"

#include <gtest/gtest.h>

#include <fstream>

#include "model/history_file.h"
#include "platform/dates.h"

namespace kugel::test {

double day(int year, int month, int dayOfMonth) {
    const auto d = encodeDate(year, month, dayOfMonth);
    EXPECT_TRUE(d.has_value());
    return d.value_or(0);
}

TZiehung draw(double date, std::array<int, 6> numbers, int powerball, int extra) {
    TZiehung z;
    z.Datum = date;
    for (std::size_t i = 0; i < 6; ++i) z.Zahlen[i] = static_cast<std::uint8_t>(numbers[i]);
    z.Zahlen[6] = static_cast<std::uint8_t>(powerball);
    z.Zahlen[7] = static_cast<std::uint8_t>(extra);
    return z;
}

void writeHistory(const std::filesystem::path& file, const std::vector<TZiehung>& records) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const TZiehung& z : records) out << encodeRecord(z);
}

std::vector<TZiehung> readHistory(const std::filesystem::path& file) {
    return HistoryFile(file).readAll();
}

TestApp::TestApp() {
    platform.setProgramDirectory(dir.path().string());
    platform.setToday(day(2018, 4, 20));
    app = std::make_unique<Application>(platform);
    form().Home = dir.str();
    form().ZahlenFile = "Powerball.dat";
    form().sortieren = true;
}

std::string TestApp::takeOutput() {
    std::string s = out.str();
    out.str({});
    return s;
}

}  // namespace kugel::test
