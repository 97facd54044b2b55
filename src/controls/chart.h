#pragma once

#include <string>
#include <vector>

#include "controls/component.h"
#include "controls/property_names.h"

namespace kugel {

struct ChartPoint {
    double x = 0;
    double y = 0;
    Color color = clGreen;
    std::string label;
};

struct ChartSeries {
    bool active = false;
    bool marks = false;
    Color color = clGreen;
    std::vector<ChartPoint> points;
};

struct ChartAxis {
    bool automatic = true;
    double minimum = 0;
    double maximum = 0;
    std::string title;
};

// A bar chart with two series. The statistics leave their values here and the
// tip calculation reads them back, so this state is part of the model.
class Chart : public Component {
  public:
    Chart(Form& owner, std::string name, Component* parent);

    ChartSeries Series1;
    ChartSeries Series2;
    ChartAxis LeftAxis;
    ChartAxis BottomAxis;

    // Tell the view the chart changed after a batch of edits.
    void redraw() { changed(prop::Chart); }

    // The chart state as one line of JSON.
    std::string toJson() const;
};

}  // namespace kugel
