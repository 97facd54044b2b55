#include "controls/chart.h"

#include <cmath>
#include <cstdio>

#include "controls/value_text.h"

namespace kugel {
namespace {

std::string number(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", v);
        return buf;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

const char* boolean(bool b) {
    return b ? "true" : "false";
}

std::string seriesJson(const ChartSeries& s) {
    if (!s.active) return R"({"Active":false})";
    std::string out =
        std::string(R"({"Active":true,"Marks":)") + boolean(s.marks) + R"(,"Points":[)";
    for (std::size_t i = 0; i < s.points.size(); ++i) {
        const ChartPoint& p = s.points[i];
        if (i) out += ',';
        out += R"({"x":)" + number(p.x) + R"(,"y":)" + number(p.y) + R"(,"color":)" +
               std::to_string(p.color) + '}';
    }
    return out + "]}";
}

}  // namespace

Chart::Chart(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::Chart, std::move(name), parent) {
    setColor(clWhite);
}

std::string Chart::toJson() const {
    std::string out =
        R"({"Series1":)" + seriesJson(Series1) + R"(,"Series2":)" + seriesJson(Series2);
    out += R"(,"LeftAxis":{"Automatic":)" + std::string(boolean(LeftAxis.automatic));
    if (!LeftAxis.automatic)
        out += R"(,"Minimum":)" + number(LeftAxis.minimum) + R"(,"Maximum":)" +
               number(LeftAxis.maximum);
    out += R"(},"BottomAxis":{"Automatic":)" + std::string(boolean(BottomAxis.automatic)) +
           R"(,"Title":)" + jsonString(BottomAxis.title) + "}}";
    return out;
}

}  // namespace kugel
