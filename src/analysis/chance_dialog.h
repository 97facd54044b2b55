#pragma once

#include <string>
#include <vector>

#include "controls/form.h"

namespace kugel {

class Button;
class Chart;
class Label;
class Memo;
struct ChanceComparison;

// "Vergleich mit dem Zufall": what a number of rows achieved beside what
// chance gives for as many rows. The chart has a pair of bars per hit
// class, observed beside expected, the expected bar with the range chance
// keeps to in 95 of 100 cases; the text below gives the table, the test and
// its verdict in words. It stays open beside the main window.
class TChanceForm : public Form {
  public:
    explicit TChanceForm(Platform& platform);

    // Fills the chart from the comparison and the text with `lines`.
    void showComparison(const ChanceComparison& c, std::vector<std::string> lines);

    Label* Label1 = nullptr;
    Chart* Chart1 = nullptr;
    Label* ObservedLegend = nullptr;
    Label* ExpectedLegend = nullptr;
    Memo* Memo1 = nullptr;
    Button* BitBtn1 = nullptr;
};

}  // namespace kugel
