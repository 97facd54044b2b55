#include "generation/calculation_snapshot.h"

#include "model/main_window.h"

namespace kugel {

CalculationSnapshot readSnapshot(const TForm1& form) {
    const SettingsControls& s = form.settings;
    CalculationSnapshot c;
    c.stopRequested = form.stopRequested();
    c.laufMax = form.LaufMax;
    c.rowsWanted = form.ticket.UpDown8->position();

    c.eachEarlierRow = s.CheckBox27->checked();
    c.maxOverall = s.CheckBox3->checked();
    c.minOverall = s.CheckBox24->checked();
    c.maxShared = s.UpDown3->position();
    c.minShared = s.UpDown9->position();

    c.forcePair = s.CheckBox8->checked();
    c.noTriple = s.CheckBox18->checked();
    c.sumLow = s.UpDown1->position();
    c.sumHigh = s.UpDown2->position();

    c.referenceOn = {s.CheckBox4->checked(), s.CheckBox5->checked(), s.CheckBox23->checked()};
    c.referenceMax = {s.UpDown4->position(), s.UpDown5->position(), s.UpDown11->position()};

    c.minEvenOn = s.CheckBox25->checked();
    c.minEven = s.UpDown15->position();
    c.minOddOn = s.CheckBox26->checked();
    c.minOdd = s.UpDown16->position();
    c.primesOn = s.CheckBox22->checked();
    c.minPrimes = s.UpDown10->position();

    c.everOn = s.CheckBox9->checked();
    c.everHits = s.UpDown6->position();
    c.recentOn = s.CheckBox28->checked();
    c.recentHits = s.UpDown17->position();
    c.recentWeeks = s.UpDown18->position();
    c.powerballCounts = s.CheckBox31->checked();
    c.start = form.DateTimePicker2->date();
    c.end = form.DateTimePicker1->date();

    // With none of the exclusive options set, the Powerball is drawn at random.
    c.powerballRule = s.RadioButton1->checked()   ? PowerballRule::Random
                      : s.RadioButton2->checked() ? PowerballRule::Rarest
                      : s.RadioButton3->checked() ? PowerballRule::LongestOutstanding
                                                  : PowerballRule::Random;
    c.refuseRecentPowerball = s.CheckBox16->checked();
    c.refuseBelow = s.UpDown19->position();

    PoolSettings& p = c.pool;
    p.frequentGroups = {s.CheckBox1->checked(), s.CheckBox6->checked(), s.CheckBox7->checked()};
    p.rareGroups = {s.CheckBox11->checked(), s.CheckBox12->checked(), s.CheckBox13->checked()};
    p.frequentNumbers = s.CheckBox2->checked();
    p.frequentPercent = s.UpDown12->position();
    p.rareNumbers = s.CheckBox14->checked();
    p.rarePercent = s.UpDown14->position();
    p.outstandingNumbers = s.CheckBox10->checked();
    p.outstandingPercent = s.UpDown13->position();
    p.neighbours = s.CheckBox19->checked();
    p.onlyPreferred = s.CheckBox15->checked();
    p.avoidLowNumbers = s.CheckBox29->checked();
    p.lessWeightBelow32 = s.CheckBox30->checked();
    p.showList = s.CheckBox20->checked();
    return c;
}

InvertedRange findInvertedRange(const CalculationSnapshot& s) {
    if (s.sumLow > s.sumHigh) return {SettingsRange::RowSum, s.sumLow, s.sumHigh};
    if (s.eachEarlierRow && s.minShared > s.maxShared)
        return {SettingsRange::SharedNumbers, s.minShared, s.maxShared};
    return {};
}

}  // namespace kugel
