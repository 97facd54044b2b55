#pragma once

#include <array>
#include <cstdint>

#include "generation/powerball_choice.h"

namespace kugel {

class TForm1;

// Candidates a calculation may try. The budget is the position of UpDown7
// times 1000; a script can set that position past the spinner's designed
// maximum, so the count is kept in 64 bits where it cannot overflow.
using RunCount = std::int64_t;
inline RunCount runBudget(int thousands) {
    return static_cast<RunCount>(thousands) * 1000;
}

// The pool's preference steps, in the order they add entries, and what is
// removed from it. Groups are runs of two, three and four numbers.
struct PoolSettings {
    std::array<bool, 3> frequentGroups{};  // CheckBox1, CheckBox6, CheckBox7
    std::array<bool, 3> rareGroups{};      // CheckBox11, CheckBox12, CheckBox13
    bool frequentNumbers = false;          // CheckBox2
    int frequentPercent = 0;               // UpDown12
    bool rareNumbers = false;              // CheckBox14
    int rarePercent = 0;                   // UpDown14
    bool outstandingNumbers = false;       // CheckBox10
    int outstandingPercent = 0;            // UpDown13
    bool neighbours = false;               // CheckBox19
    bool onlyPreferred = false;            // CheckBox15: no base entry of every number
    bool avoidLowNumbers = false;          // CheckBox29: 1..12 removed
    bool lessWeightBelow32 = false;        // CheckBox30: one entry of each 1..31 removed
    bool showList = false;                 // CheckBox20: the user edits the pool
};

// Every setting the calculation reads, as the controls held them when
// pending events were last handled. Settings change only while events are
// handled, so the loop works on this copy and refreshes it after each time.
struct CalculationSnapshot {
    bool stopRequested = false;  // the start button no longer reads "Stoppen"
    RunCount laufMax = 0;        // run budget
    int rowsWanted = 0;          // UpDown8

    // overlap with the earlier rows of the ticket
    bool eachEarlierRow = false;  // CheckBox27
    bool maxOverall = false;      // CheckBox3
    bool minOverall = false;      // CheckBox24
    int maxShared = 0;            // UpDown3
    int minShared = 0;            // UpDown9

    bool forcePair = false;  // CheckBox8
    bool noTriple = false;   // CheckBox18
    int sumLow = 0;          // UpDown1
    int sumHigh = 0;         // UpDown2

    // overlap with the reference draw and the two before it
    std::array<bool, 3> referenceOn{};  // CheckBox4, CheckBox5, CheckBox23
    std::array<int, 3> referenceMax{};  // UpDown4, UpDown5, UpDown11

    bool minEvenOn = false;  // CheckBox25
    int minEven = 0;         // UpDown15
    bool minOddOn = false;   // CheckBox26
    int minOdd = 0;          // UpDown16
    bool primesOn = false;   // CheckBox22
    int minPrimes = 0;       // UpDown10

    // history tests
    bool everOn = false;           // CheckBox9
    int everHits = 0;              // UpDown6
    bool recentOn = false;         // CheckBox28
    int recentHits = 0;            // UpDown17
    int recentWeeks = 0;           // UpDown18
    bool powerballCounts = false;  // CheckBox31
    double start = 0;              // DateTimePicker2
    double end = 0;                // DateTimePicker1

    // Powerball
    PowerballRule powerballRule = PowerballRule::Random;
    bool refuseRecentPowerball = false;  // CheckBox16
    int refuseBelow = 0;                 // UpDown19

    PoolSettings pool;
};

CalculationSnapshot readSnapshot(const TForm1& form);

// A range of the settings whose lower end lies above its upper end, so that
// no candidate can pass it: the row sums always, the overlap with each
// earlier row when it is applied to every earlier row singly.
enum class SettingsRange { None, RowSum, SharedNumbers };
struct InvertedRange {
    SettingsRange range = SettingsRange::None;
    int low = 0;
    int high = 0;
};
InvertedRange findInvertedRange(const CalculationSnapshot& s);

}  // namespace kugel
