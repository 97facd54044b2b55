// Writes and dumps draw history files for the scenario tests.
//   history_fixture write LISTING FILE   one record per line "YYYY-MM-DD n1 .. n8"
//   history_fixture dump FILE         the records in the same form, or "missing"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "controls/value_text.h"
#include "model/history_file.h"

namespace {

int write(const std::string& listingPath, const std::string& filePath) {
    std::ifstream listing(listingPath);
    if (!listing) {
        std::cerr << "cannot read " << listingPath << '\n';
        return 1;
    }
    std::ofstream out(filePath, std::ios::binary | std::ios::trunc);
    std::string line;
    int lineNo = 0;
    while (std::getline(listing, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string date;
        fields >> date;
        const auto day = kugel::parseDayValue(date);
        kugel::TZiehung z;
        int count = 0;
        for (int n = 0; count < 8 && fields >> n; ++count)
            z.Zahlen[static_cast<std::size_t>(count)] = static_cast<std::uint8_t>(n);
        if (!day || count != 8) {
            std::cerr << listingPath << ':' << lineNo << ": expected a date and 8 numbers\n";
            return 1;
        }
        z.Datum = *day;
        out << kugel::encodeRecord(z);
    }
    return out ? 0 : 1;
}

int dump(const std::string& filePath) {
    const kugel::HistoryFile history(filePath);
    if (!history.exists()) {
        std::cout << "missing\n";
        return 0;
    }
    std::cout << std::filesystem::file_size(filePath) << " bytes\n";
    for (const kugel::TZiehung& z : history.readAll()) {
        std::cout << kugel::dayValueText(z.Datum);
        for (const auto n : z.Zahlen) std::cout << ' ' << static_cast<int>(n);
        std::cout << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "write" && argc == 4) return write(argv[2], argv[3]);
    if (mode == "dump" && argc == 3) return dump(argv[2]);
    std::cerr << "usage: history_fixture write LISTING FILE | dump FILE\n";
    return 2;
}
