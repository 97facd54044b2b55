#pragma once

namespace kugel {

class TForm1;

// The frequency chart of the main numbers over the statistics window.
void SpeedButton2Click(TForm1& form);

void registerNumberStatisticsHandlers(TForm1& form);

}  // namespace kugel
