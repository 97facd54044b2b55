#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "generation/calculation_snapshot.h"
#include "generation/number_preference.h"

namespace kugel {

class TForm1;
struct Candidate;

// How often a running calculation lets pending user events through. The
// loop looks at the clock every `runsBetweenClockChecks` runs and handles
// events when `interval` has passed since the last time (always before the
// first run); the candidate in the status bar is renewed at most every
// `statusInterval`. A calculation's rows never depend on this, only on when
// a click arrives. Tests set {1, 0, 0}: events and status on every run.
struct EventPacing {
    std::uint32_t runsBetweenClockChecks = 4096;
    std::chrono::milliseconds interval{40};
    std::chrono::milliseconds statusInterval{250};
};
void setEventPacing(const EventPacing& pacing);
EventPacing eventPacing();

// What a finished calculation did.
struct CalculationReport {
    RunCount runs = 0;          // candidates started over all rows
    bool budgetUsedUp = false;  // the run counter reached the budget, or the pool had
                                // fewer than six different numbers
    bool stopped = false;       // the user asked it to stop
    bool cancelled = false;     // the user cancelled the number-choice list
};

// The reference draw (the draw the display shows for the day) and the two
// stored before it, with all eight fields. When the display shows no draw for
// the day (an empty history, a damaged last record), the reference draw is
// the one shown before.
std::array<DrawFields, 3> referenceDraws(const std::vector<TZiehung>& records, double day,
                                         const DrawFields& shownBefore);

// The reference draws of the end date, shown on the way through the draw
// display and its two backward steps. Leaves the reference draw displayed and
// the end date on its date.
std::array<DrawFields, 3> findReferenceDraws(TForm1& form);

// "1.Tipp:  3 8  9  20  21  33  CS: 94": a candidate of row `row` (1..12)
// as the status bar shows it while the calculation draws.
std::string candidateStatus(const TForm1& form, int row, const Candidate& c);

// The start button BitBtn4 and the menu item Berechnen1 (registered as
// "Label28Click" and "Berechnen1Click"): starts a calculation when none runs (and returns what it
// did once it has ended); while one runs, asks it to stop and returns nothing.
std::optional<CalculationReport> startOrStopCalculation(TForm1& form);

void registerTipCalculationHandlers(TForm1& form);

}  // namespace kugel
