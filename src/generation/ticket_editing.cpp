#include "generation/ticket_editing.h"

#include <array>

#include "controls/value_text.h"
#include "draws/ticket_check.h"
#include "generation/calculation_snapshot.h"
#include "model/game.h"
#include "model/main_window.h"

namespace kugel {
namespace {

void normalise(Component* sender, int max) {
    auto* edit = dynamic_cast<Edit*>(sender);
    if (!edit) return;
    // Setting the text runs this handler again; the second pass finds the
    // text already in its normal form and leaves it.
    edit->setText(normalisedNumber(edit->text(), max));
}

}  // namespace

std::string normalisedNumber(const std::string& text, int max) {
    const auto value = parseInt(text);
    if (!value || *value < 1 || *value > max) return {};
    return std::to_string(*value);
}

void normaliseMainNumber(TForm1&, Component* sender) {
    normalise(sender, MaxZahl);
}

void normalisePowerball(TForm1&, Component* sender) {
    normalise(sender, MaxPowerball);
}

void checkTicketOnLeave(TForm1& form) {
    if (form.sortieren) Komplettcheck(form);
}

void toggleRowLock(TForm1&, Component* sender) {
    if (!sender) return;
    sender->setFontColor(sender->fontColor() == clWindowText ? clRed : clWindowText);
}

void clearUnlockedRows(TForm1& form) {
    for (const TicketRow& row : form.ticket.rows) {
        if (isLocked(row)) continue;
        for (Edit* e : row.numbers) {
            e->setText("");
            e->setColor(clWindow);
        }
        row.powerball->setText("");
        row.powerball->setColor(clWindow);
        row.hits->setCaption("");
        row.sum->setCaption("");
    }
}

void choosePowerballOption(TForm1& form, int which) {
    const std::array<CheckBox*, 3> options{form.settings.RadioButton1, form.settings.RadioButton2,
                                           form.settings.RadioButton3};
    for (std::size_t i = 0; i < options.size(); ++i)
        options[i]->setChecked(static_cast<int>(i) + 1 == which);
}

void followRunBudget(TForm1& form) {
    form.LaufMax = runBudget(form.settings.UpDown7->position());
}

void limitMinimumEven(TForm1& form) {
    form.settings.UpDown15->setMax(ZahlenProReihe - form.settings.UpDown16->position());
}

void limitMinimumOdd(TForm1& form) {
    form.settings.UpDown16->setMax(ZahlenProReihe - form.settings.UpDown15->position());
}

void coupleOverlapLimits(TForm1& form) {
    SettingsControls& s = form.settings;
    s.UpDown9->setMax(s.UpDown3->position());
    s.UpDown3->setMin(s.UpDown9->position());
}

void keepMaximumOverlapAboveMinimum(TForm1& form) {
    form.settings.UpDown3->setMin(form.settings.UpDown9->position());
}

void registerTicketHandlers(TForm1& form) {
    form.addHandler("Edit1Change",
                    [&form](Component* sender) { normaliseMainNumber(form, sender); });
    form.addHandler("Edit6Change",
                    [&form](Component* sender) { normalisePowerball(form, sender); });
    form.addHandler("Edit1Exit", [&form](Component*) { checkTicketOnLeave(form); });
    form.addHandler("Label30Click", [&form](Component* sender) { toggleRowLock(form, sender); });
    form.addHandler("SpeedButton11Click", [&form](Component*) { clearUnlockedRows(form); });
    for (int k = 1; k <= 3; ++k)
        form.addHandler("RadioButton" + std::to_string(k) + "Click",
                        [&form, k](Component*) { choosePowerballOption(form, k); });
    form.addHandler("UpDown7Changing", [&form](Component*) { followRunBudget(form); });
    form.addHandler("UpDown15MouseDown", [&form](Component*) { limitMinimumEven(form); });
    form.addHandler("UpDown15MouseUp", [&form](Component*) { limitMinimumEven(form); });
    form.addHandler("UpDown16MouseDown", [&form](Component*) { limitMinimumOdd(form); });
    form.addHandler("UpDown16MouseUp", [&form](Component*) { limitMinimumOdd(form); });
    form.addHandler("UpDown3MouseDown", [&form](Component*) { coupleOverlapLimits(form); });
    form.addHandler("UpDown9MouseUp",
                    [&form](Component*) { keepMaximumOverlapAboveMinimum(form); });
}

}  // namespace kugel
