#include "generation/tip_editor.h"

#include <algorithm>
#include <string>
#include <vector>

#include "controls/color.h"
#include "controls/value_text.h"
#include "generation/number_choice_dialog.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "model/ticket_controls.h"

namespace kugel {

namespace {

constexpr int kProposalRange = 99999;  // proposals 0..99998

// Puts the list back into its state for the calculation, however the
// editing ended.
class ListRestore {
  public:
    ListRestore(TForm1& form, TForm6& list) : form_(form), list_(list) {}
    ~ListRestore() {
        list_.BitBtn3->setVisible(true);
        list_.BitBtn4->setVisible(false);
        for (int i = 1; i <= MaxZahl; ++i) list_.box(i).setColor(clInfoBk);
        list_.setCaption(form_.msg(Msg::NumberChoiceCaption));
    }
    ListRestore(const ListRestore&) = delete;
    ListRestore& operator=(const ListRestore&) = delete;

  private:
    TForm1& form_;
    TForm6& list_;
};

}  // namespace

void TippEdit(TForm1& form, int row) {
    const TicketRow& r = form.ticket.rows.at(static_cast<std::size_t>(row));
    TForm6& list = form.app().form6();
    ListRestore restore(form, list);

    list.setCaption(form.msg(Msg::TipEditorCaption) + " " + std::to_string(row + 1));
    list.Zufall = form.msg(Msg::RandomPick);
    list.Stopp = form.msg(Msg::RandomPickStop);
    list.BitBtn3->setVisible(false);
    list.BitBtn4->setVisible(true);
    list.BitBtn4->setCaption(list.Zufall);
    list.MaxTipp = ZahlenProReihe;
    list.MaxZahl = MaxZahl;
    for (int i = 1; i <= MaxZahl; ++i) {
        list.box(i).setChecked(false);
        list.box(i).setColor(clInfoBk);
    }
    // The whole row shows, also numbers after an empty position: what the
    // user confirms is then the whole row.
    for (Edit* e : r.numbers) {
        const auto n = parseInt(e->text());
        if (!n || *n < 1 || *n > MaxZahl) continue;
        list.box(*n).setChecked(true);
        list.box(*n).setColor(clYellow);
    }

    if (form.app().showModal(list) != DialogResult::Ok) return;

    std::vector<int> chosen;
    for (int i = 1; i <= MaxZahl; ++i)
        if (list.box(i).checked()) chosen.push_back(i);
    // Positions beyond the chosen numbers are emptied, so an unchecked
    // number leaves the row instead of surviving at its old place.
    for (std::size_t k = 0; k < r.numbers.size(); ++k)
        r.numbers[k]->setText(k < chosen.size() ? std::to_string(chosen[k]) : std::string());
}

void askLuckyNumber(TForm1& form) {
    const std::string proposal = std::to_string(form.random.next(kProposalRange));
    // Cancelling leaves the proposal, as the classic input box does.
    const auto ask = [&form, &proposal](const std::string& shown) {
        return form.platform()
            .inputBox(form.msg(Msg::LuckyNumberCaption), form.msg(Msg::LuckyNumberPrompt), shown)
            .value_or(proposal);
    };
    std::string answer = ask(proposal);
    // A mistyped number is said to be one and offered again for mending,
    // rather than quietly giving way to the clock.
    while (!answer.empty() && !parseInt(answer)) {
        form.platform().messageBox(kApplicationTitle,
                                   form.msg(Msg::LuckyNumberInputError) + "\n" +
                                       form.addedTexts.format(AddedText::NotAnInteger, {answer}),
                                   MessageButtons::Ok);
        answer = ask(answer);
    }
    if (const auto lucky = parseInt(answer)) {
        form.random.seed = static_cast<std::uint32_t>(*lucky);
        form.StatusBar1->setPanelText(1, form.msg(Msg::LuckyNumberSetBefore) +
                                             std::to_string(*lucky) +
                                             form.msg(Msg::LuckyNumberSetAfter));
    } else {
        form.random.seed = static_cast<std::uint32_t>(form.platform().clockTicks());
    }
}

void registerTipEditorHandlers(TForm1& form) {
    for (int k = 1; k <= MaxTipps; ++k)
        form.addHandler("Tipp" + std::to_string(k) + "EditClick",
                        [&form, k](Component*) { TippEdit(form, k - 1); });
    form.addHandler("SpeedButton13Click", [&form](Component*) { askLuckyNumber(form); });
}

}  // namespace kugel
