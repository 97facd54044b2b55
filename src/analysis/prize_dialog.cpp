#include "analysis/prize_dialog.h"

#include <string>

#include "analysis/amount_text.h"
#include "controls/builder.h"
#include "model/added_texts.h"
#include "model/conversion.h"
#include "model/main_window.h"
#include "model/program_windows.h"
#include "platform/platform.h"

namespace kugel {
namespace {

constexpr int kClientWidth = 420;
constexpr int kClientHeight = 340;
constexpr int kStatusHeight = 19;
constexpr int kHeaderTop = 12;
constexpr int kFirstRowTop = 40;
constexpr int kRowPitch = 26;
constexpr int kEditHeight = 21;
constexpr int kClassLeft = 12;
constexpr int kClassWidth = 96;
constexpr int kCountLeft = 112;
constexpr int kCountWidth = 48;
constexpr int kQuotaLeft = 168;
constexpr int kQuotaWidth = 96;
constexpr int kAmountLeft = 272;
constexpr int kAmountWidth = 128;
constexpr int kTotalTop = kFirstRowTop + TForm9::kClasses * kRowPitch + 6;

constexpr int kAmountPrecision = 7;
constexpr int kTotalPrecision = 9;
constexpr int kDecimals = 2;

const char* const kClassNames[TForm9::kClasses] = {"3", "3 + Zusatz", "4", "4 + Zusatz",
                                                   "5", "5 + Zusatz", "6", "6 + Superzahl"};
const char* const kDefaultQuotas[TForm9::kClasses] = {"10",   "20",    "40",     "200",
                                                      "2000", "35000", "500000", "1000000"};

int rowTop(std::size_t k) {
    return kFirstRowTop + static_cast<int>(k) * kRowPitch;
}

}  // namespace

TForm9::TForm9(Platform& platform) : Form("Form9", platform) {
    setCaption(builtInAddedTexts()[AddedText::PrizeDialogTitle]);
    setBounds(200, 150, kClientWidth, kClientHeight);
    setFontHeight(13);
    build();
    addHandler("Edit9Change", [this](Component*) { recalculatePrizes(*this); });
    addHandler("SpeedButton1Click", [this](Component*) { fillUsualQuotas(*this); });
}

// Creation order is the one the language files walk.
void TForm9::build() {
    Builder b(*this);
    Panel1 = &b.panel("Panel1", this, {0, 0, kClientWidth, kClientHeight - kStatusHeight});
    Label1 = &b.label("Label1", Panel1, {kClassLeft, kHeaderTop, kClassWidth, 17}, "Richtig+Z+S");
    Label2 = &b.label("Label2", Panel1, {kQuotaLeft, kHeaderTop, kQuotaWidth, 17}, "Gewinnquoten");
    Label3 = &b.label("Label3", Panel1, {kAmountLeft, kHeaderTop, kAmountWidth, 17}, "Summe");
    for (std::size_t k = 0; k < kClasses; ++k)
        classLabels[k] = &b.label("Label" + std::to_string(4 + k), Panel1,
                                  {kClassLeft, rowTop(k) + 3, kClassWidth, 17}, kClassNames[k]);
    for (std::size_t k = 0; k < kClasses; ++k) {
        amounts[k] = &b.label("Label" + std::to_string(12 + k), Panel1,
                              {kAmountLeft, rowTop(k) + 3, kAmountWidth, 17}, "");
        amounts[k]->setAlignment(Alignment::Right);
    }
    Label20 = &b.label("Label20", Panel1, {kAmountLeft, kTotalTop, kAmountWidth, 17}, "Summe");
    Label20->setAlignment(Alignment::Right);
    Label20->setBold(true);
    Anzahl = &b.label("Anzahl", Panel1, {kCountLeft, kHeaderTop, kCountWidth, 17}, "Anzahl");
    SpeedButton1 =
        &b.button("SpeedButton1", Kind::SpeedButton, Panel1, {kQuotaLeft, kTotalTop - 4, 24, 24},
                  "", "durchschnittlische Quote eintragen");
    SpeedButton1->bindEvent("OnClick", "SpeedButton1Click");
    // Without a function; kept for the language files' order, not shown.
    SpeedButton2 = &b.button("SpeedButton2", Kind::SpeedButton, Panel1,
                             {kClassLeft, kTotalTop - 4, 24, 24}, "");
    SpeedButton2->setVisible(false);
    for (std::size_t k = 0; k < kClasses; ++k) {
        counts[k] = &b.edit("Edit" + std::to_string(1 + k), Panel1,
                            {kCountLeft, rowTop(k), kCountWidth, kEditHeight}, "0");
        counts[k]->bindEvent("OnChange", "Edit9Change");
    }
    for (std::size_t k = 0; k < kClasses; ++k) {
        quotas[k] = &b.edit("Edit" + std::to_string(9 + k), Panel1,
                            {kQuotaLeft, rowTop(k), kQuotaWidth, kEditHeight}, "0");
        quotas[k]->bindEvent("OnChange", "Edit9Change");
    }
    BitBtn1 = &b.button("BitBtn1", Kind::BitBtn, Panel1,
                        {kClientWidth - 12 - 100, kTotalTop + 28, 100, 28}, "&Schließen");
    BitBtn1->modalResult = DialogResult::Cancel;
    StatusBar1 = &create<StatusBar>("StatusBar1", this);
    StatusBar1->setBounds(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    StatusBar1->addPanel(150);
    StatusBar1->addPanel(50);
}

void recalculatePrizes(TForm9& dialog) {
    for (std::size_t k = 0; k < TForm9::kClasses; ++k)
        dialog.quotas[k]->setEnabled(toInteger(dialog.counts[k]->text()) > 0);

    const std::string& separator = dialog.platform().locale().decimalSeparator;
    for (std::size_t k = 0; k < TForm9::kClasses; ++k) {
        const double quota = toDecimal(dialog.quotas[k]->text(), separator);
        const int count = toInteger(dialog.counts[k]->text());
        dialog.amounts[k]->setCaption(
            fixedAmountText(quota * count, kAmountPrecision, kDecimals, separator));
    }
    // The total adds the amounts as shown, so it agrees with the column.
    double total = 0;
    for (const Label* amount : dialog.amounts) total += toDecimal(amount->caption(), separator);
    dialog.Label20->setCaption(fixedAmountText(total, kTotalPrecision, kDecimals, separator));
}

void fillUsualQuotas(TForm9& dialog) {
    for (std::size_t k = 0; k < TForm9::kClasses; ++k) dialog.quotas[k]->setText(kDefaultQuotas[k]);
    dialog.platform().messageBox(
        kApplicationTitle,
        "Diese Quoten sind etwa Werte um den Gewinn abzuschätzen, für die genaue "
        "Gewinnbestimmung tragen Sie bitte die genauen ermittelten Quoten ein.",
        MessageButtons::Ok);
}

void showPrizeDialog(TForm1& form) {
    TForm9& dialog = form.app().form9();
    try {
        recalculatePrizes(dialog);
    } catch (const ConversionError& e) {
        // A field left without a number must not lock the user out of the
        // dialog where it can be mended.
        form.platform().messageBox(kApplicationTitle, e.what(), MessageButtons::Ok);
    }
    form.app().showModal(dialog);
}

void registerPrizeDialogHandlers(TForm1& form) {
    form.addHandler("auswertungClick", [&form](Component*) { showPrizeDialog(form); });
}

}  // namespace kugel
