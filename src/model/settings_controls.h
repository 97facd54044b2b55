#pragma once

#include "controls/control_table.h"

namespace kugel {

class Button;
class CheckBox;
class Edit;
class Label;
class Panel;
class TForm1;
class UpDown;

// The calculation settings on the five pages of PageControl2. A setting is
// the state of its control: a check box's Checked, an up-down's Position
// (its edit shows the same value). The calculation reads them when it
// applies them, so a change during a run takes effect at once.
struct SettingsControls {
    // "Statistisch": preferred numbers
    CheckBox* CheckBox2 = nullptr;  // most frequent numbers ...
    Edit* Edit85 = nullptr;
    UpDown* UpDown12 = nullptr;      // ... first x percent
    CheckBox* CheckBox14 = nullptr;  // rarest numbers ...
    Edit* Edit87 = nullptr;
    UpDown* UpDown14 = nullptr;
    CheckBox* CheckBox10 = nullptr;  // longest outstanding ...
    Edit* Edit86 = nullptr;
    UpDown* UpDown13 = nullptr;
    CheckBox* CheckBox1 = nullptr;   // frequent pairs
    CheckBox* CheckBox11 = nullptr;  // rarest pairs
    CheckBox* CheckBox6 = nullptr;   // frequent runs of three
    CheckBox* CheckBox12 = nullptr;  // rarest runs of three
    CheckBox* CheckBox7 = nullptr;   // frequent runs of four
    CheckBox* CheckBox13 = nullptr;  // rarest runs of four
    CheckBox* CheckBox19 = nullptr;  // neighbours of the reference draw
    Button* SpeedButton26 = nullptr;
    Button* SpeedButton22 = nullptr;
    Button* SpeedButton23 = nullptr;
    Button* SpeedButton24 = nullptr;
    Button* SpeedButton25 = nullptr;

    // "Schein Optimierung": overlaps and history
    CheckBox* CheckBox3 = nullptr;  // maximum overlap with earlier rows
    Edit* Edit39 = nullptr;
    UpDown* UpDown3 = nullptr;
    CheckBox* CheckBox24 = nullptr;  // minimum overlap with earlier rows
    Edit* Edit88 = nullptr;
    UpDown* UpDown9 = nullptr;
    CheckBox* CheckBox27 = nullptr;  // apply min/max to each earlier row
    CheckBox* CheckBox9 = nullptr;   // never matched a stored draw in X
    Edit* Edit42 = nullptr;
    UpDown* UpDown6 = nullptr;
    CheckBox* CheckBox28 = nullptr;  // not matched a recent draw in Y ...
    Edit* Edit91 = nullptr;
    UpDown* UpDown17 = nullptr;
    Edit* Edit92 = nullptr;
    UpDown* UpDown18 = nullptr;     // ... within this many draws
    CheckBox* CheckBox4 = nullptr;  // overlap with the reference draw
    Edit* Edit40 = nullptr;
    UpDown* UpDown4 = nullptr;
    CheckBox* CheckBox5 = nullptr;  // ... the draw before it
    Edit* Edit41 = nullptr;
    UpDown* UpDown5 = nullptr;
    CheckBox* CheckBox23 = nullptr;  // ... the third draw back
    Edit* Edit84 = nullptr;
    UpDown* UpDown11 = nullptr;
    CheckBox* CheckBox31 = nullptr;  // a Powerball hit counts as a hit
    CheckBox* CheckBox29 = nullptr;  // avoid 1..12
    CheckBox* CheckBox30 = nullptr;  // less weight for 1..31

    // "Mathematisch": conditions of every row
    Edit* Edit37 = nullptr;
    UpDown* UpDown1 = nullptr;  // lowest row sum
    Edit* Edit38 = nullptr;
    UpDown* UpDown2 = nullptr;       // highest row sum
    CheckBox* CheckBox22 = nullptr;  // minimum primes
    Edit* Edit83 = nullptr;
    UpDown* UpDown10 = nullptr;
    CheckBox* CheckBox25 = nullptr;  // minimum even numbers
    Edit* Edit89 = nullptr;
    UpDown* UpDown15 = nullptr;
    CheckBox* CheckBox26 = nullptr;  // minimum odd numbers
    Edit* Edit90 = nullptr;
    UpDown* UpDown16 = nullptr;
    CheckBox* CheckBox8 = nullptr;   // force a pair
    CheckBox* CheckBox18 = nullptr;  // no runs of three
    Label* Label88 = nullptr;
    Label* Label89 = nullptr;
    Label* Label90 = nullptr;
    Label* Label91 = nullptr;

    // "Powerball"
    Panel* RadioGroup1 = nullptr;
    CheckBox* RadioButton1 = nullptr;  // at random
    CheckBox* RadioButton2 = nullptr;  // least frequently drawn
    CheckBox* RadioButton3 = nullptr;  // outstanding longest
    CheckBox* CheckBox16 = nullptr;    // no Powerball of the recent draws
    Edit* Edit105 = nullptr;
    UpDown* UpDown19 = nullptr;
    Button* Superselten = nullptr;
    Button* SuperAus = nullptr;

    // "Allgemein"
    CheckBox* CheckBox15 = nullptr;  // only preferred numbers
    CheckBox* CheckBox20 = nullptr;  // show the number-choice list
    Edit* Edit55 = nullptr;
    UpDown* UpDown7 = nullptr;  // run budget in thousands
};

// The controls of the five pages, in creation order.
const ControlRows& settingsPageRows();
// Points the members of `form.settings` at the created controls.
void bindSettingsControls(TForm1& form);

}  // namespace kugel
