#include "statistics/number_statistics.h"

#include "shell/main_window.h"

namespace kugel {

void SpeedButton2Click(TForm1&) {}

void registerNumberStatisticsHandlers(TForm1&) {}

}  // namespace kugel
