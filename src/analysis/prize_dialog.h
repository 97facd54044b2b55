#pragma once

#include <array>

#include "controls/form.h"

namespace kugel {

class Application;
class Button;
class Edit;
class Label;
class Panel;
class StatusBar;
class TForm1;

// "Auswertung und Gewinnberechnung": for eight prize classes the user enters
// how many rows won and the quota per row; the dialog shows the amount per
// class and the total. A plain calculator, it reads nothing else.
class TForm9 : public Form {
  public:
    static constexpr int kClasses = 8;

    explicit TForm9(Platform& platform);

    Panel* Panel1 = nullptr;
    Label* Label1 = nullptr;
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    std::array<Label*, kClasses> classLabels{};  // Label4..Label11
    std::array<Label*, kClasses> amounts{};      // Label12..Label19
    Label* Label20 = nullptr;                    // the total
    Label* Anzahl = nullptr;
    Button* SpeedButton1 = nullptr;
    Button* SpeedButton2 = nullptr;
    std::array<Edit*, kClasses> counts{};  // Edit1..Edit8
    std::array<Edit*, kClasses> quotas{};  // Edit9..Edit16
    Button* BitBtn1 = nullptr;
    StatusBar* StatusBar1 = nullptr;

  private:
    void build();
};

// The recalculation, run by every change of the sixteen edits: quota edits
// enabled where a count is above 0, each class's amount, then the total.
// A text that is no number ends it with a conversion error; what it wrote
// before stays.
void recalculatePrizes(TForm9& dialog);
// Writes the usual quotas of the eight classes and says they are estimates.
void fillUsualQuotas(TForm9& dialog);

// The main window's menu item: recalculates the dialog and shows it.
void showPrizeDialog(TForm1& form);
void registerPrizeDialogHandlers(TForm1& form);

}  // namespace kugel
