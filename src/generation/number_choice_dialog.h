#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/form.h"
#include "model/game.h"

namespace kugel {

class TForm1;
struct Random;

// The number-choice list: a grid of numbered check boxes. The calculation
// uses it to show and edit the pool (hints hold the weights, which the
// captions show too), the tip
// editor to let the user pick the numbers of one row by hand or by an
// animated random pick.
class TForm6 : public Form {
  public:
    static constexpr int kBoxes = 59;
    static constexpr int kMaxPositions = 26;

    explicit TForm6(Platform& platform);

    // The random pick draws from the main window's generator, so a lucky
    // number fixes it as well; without one it cannot run.
    void setRandom(Random* generator) { random = generator; }
    Random* random = nullptr;

    // Check box i (1..59) stands for number i.
    CheckBox& box(int number) const;

    std::array<CheckBox*, kBoxes> checkBoxes{};  // CheckBox1..CheckBox59
    Button* BitBtn1 = nullptr;                   // OK, result 1
    Button* BitBtn2 = nullptr;                   // abort, result 3
    Button* BitBtn3 = nullptr;                   // "&Rechnen", result 4
    Button* BitBtn4 = nullptr;                   // "&Zufall": the random pick
    Button* SpeedButton1 = nullptr;              // save the list
    Button* SpeedButton2 = nullptr;              // load a list
    Timer* Timer1 = nullptr;                     // drives the random pick
    FileDialog* SaveDialog1 = nullptr;
    FileDialog* OpenDialog1 = nullptr;

    int MaxZahl = kugel::MaxZahl;  // highest number shown
    int MaxTipp = ZahlenProReihe;  // how many numbers the random pick chooses
    int Losgeht = 1;               // first position of the pick that still changes
    std::array<int, kMaxPositions + 1> Tippreihe{};  // [1..26]: the pick by position
    // The calculation's list shows each chosen number's weight beside it;
    // the tip editor shows bare numbers.
    bool showWeights = false;
    std::string Zufall = "Zufall";  // idle caption of BitBtn4
    std::string Stopp = "Stop";     // shown in BitBtn4 while picking

    // What the dialog's own handlers do ("FormShow", "FormClose",
    // "SpeedButton1Click", "SpeedButton2Click", "BitBtn4Click", "Timer1Timer").
    void showNumbersAndWeights();
    void endRandomPickOnClose();
    void saveList();
    void loadList();
    // Starts the random pick, freezes its next position, or ends it with
    // every number chosen.
    void startOrStopRandomPick();
    // One tick of the pick: the positions not frozen draw new numbers.
    void pickRandomNumbers();

  private:
    void layout();
    void registerHandlers();
    // Shows the numbers 1..MaxZahl and fits the buttons and the height to them.
    void showNumbers();
    void resetBoxes();
    // The caption of number i: the number, and its weight where weights show.
    void showWeight(int i);
    int shownNumbers() const;
    int pickPositions() const;
};

// What the user chose in the list the calculation showed.
enum class PoolListResult { Keep, Rebuilt, Cancel };

// Shows the pool in the number-choice list (checked when a number is in
// it, the hint its count) and returns the user's choice; on Rebuilt the
// pool has been rebuilt from the list in number order, each checked number
// with its weight (at least 1). The user works in the list, so call it
// without the busy cursor held.
PoolListResult editPoolInList(TForm1& form, std::vector<int>& pool);

}  // namespace kugel
