#pragma once

#include "controls/control_table.h"

namespace kugel {

class Button;
class TForm1;

// The chart page's button bar and the statistics buttons of the database page.
struct ChartPageControls {
    // Panel6, left of the start date
    Button* SpeedButton2 = nullptr;   // frequency of the main numbers
    Button* SpeedButton9 = nullptr;   // row sums
    Button* SpeedButton1 = nullptr;   // pairs
    Button* SpeedButton3 = nullptr;   // triples
    Button* SpeedButton12 = nullptr;  // quadruples
    Button* SpeedButton19 = nullptr;  // outstanding numbers
    Button* SpeedButton20 = nullptr;  // Powerball frequency
    Button* SpeedButton21 = nullptr;  // outstanding Powerball

    // database page, right column
    Button* Button5 = nullptr;
    Button* Button8 = nullptr;
    Button* Button2 = nullptr;
    Button* Button3 = nullptr;
    Button* Button4 = nullptr;
};

// The controls above in creation order: the bar on Panel6, then the
// database page's column.
ControlRows chartPageRows();
// Points the members of `form.chartPage` at the created controls and sets
// up Chart1's series.
void bindChartPageControls(TForm1& form);

}  // namespace kugel
