#pragma once

#include <vector>

#include "model/game.h"

namespace kugel {

class TForm1;

// Whether a draw dated exactly on the start day of the window counts.
enum class StartDay { Included, Excluded };

// The draws between the start date (DateTimePicker2) and the end date
// (DateTimePicker1) in file order; the end day always counts.
struct StatisticsWindow {
    double start = 0;
    double end = 0;
    std::vector<TZiehung> draws;
};

// Reads the whole history afresh and keeps the draws of the window. A missing
// or unreadable file throws before anything is changed; afterwards `aktDatum`
// holds the start of the window, as every statistic leaves it.
// Outside a calculation or an analysis it also says in the status bar when
// the window holds no draw (noteDrawlessPeriod).
StatisticsWindow readStatisticsWindow(TForm1& form, StartDay startDay);

// Puts the words "no draw between start and end" into the status bar for a
// window without a draw, and takes them back for one with draws.
void noteDrawlessPeriod(TForm1& form, const StatisticsWindow& window);

}  // namespace kugel
