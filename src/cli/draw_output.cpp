#include "cli/draw_output.h"

#include "controls/value_text.h"

namespace kugel::cli {

std::string drawLine(const TZiehung& z) {
    std::string line = dayValueText(z.Datum) + " ";
    for (int i = 0; i < ZahlenProReihe; ++i)
        line += " " + std::to_string(z.Zahlen[static_cast<std::size_t>(i)]);
    return line + "  PB " + std::to_string(z.Zahlen[6]);
}

std::string drawJson(const TZiehung& z) {
    std::string json = "{\"date\":" + jsonString(dayValueText(z.Datum)) + ",\"numbers\":[";
    for (int i = 0; i < ZahlenProReihe; ++i)
        json += (i ? "," : "") + std::to_string(z.Zahlen[static_cast<std::size_t>(i)]);
    return json + "],\"powerball\":" + std::to_string(z.Zahlen[6]) +
           ",\"extra\":" + std::to_string(z.Zahlen[7]) + "}";
}

}  // namespace kugel::cli
