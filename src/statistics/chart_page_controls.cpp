#include "statistics/chart_page_controls.h"

#include "shell/main_window.h"

namespace kugel {

void buildChartPageControls(TForm1&, Builder&) {}

}  // namespace kugel
