#pragma once

namespace kugel {

class Builder;
class TForm1;

// The chart page's button bar and the statistics buttons of other pages.
struct ChartPageControls {};

void buildChartPageControls(TForm1& form, Builder& b);

}  // namespace kugel
