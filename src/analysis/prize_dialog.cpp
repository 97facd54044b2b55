#include "analysis/prize_dialog.h"

#include <string>

#include "analysis/amount_text.h"
#include "controls/control_table.h"
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

namespace {

ControlRow label(std::string name, Bounds b, std::string caption,
                 Alignment alignment = Alignment::Left) {
    return {.kind = Kind::Label,
            .name = std::move(name),
            .parent = "Panel1",
            .bounds = b,
            .caption = std::move(caption),
            .alignment = alignment};
}

// The edits of one column, a line per class; a change recalculates.
ControlRows editColumn(int firstNumber, int left, int width) {
    ControlRows rows;
    for (std::size_t k = 0; k < TForm9::kClasses; ++k)
        rows.push_back({.kind = Kind::Edit,
                        .name = "Edit" + std::to_string(firstNumber + static_cast<int>(k)),
                        .parent = "Panel1",
                        .bounds = {left, rowTop(k), width, kEditHeight},
                        .caption = "0",
                        .events = {{"OnChange", "Edit9Change"}}});
    return rows;
}

// Creation order is the one the language files walk.
ControlRows designedRows() {
    ControlRows rows = {
        {.kind = Kind::Panel,
         .name = "Panel1",
         .bounds = {0, 0, kClientWidth, kClientHeight - kStatusHeight}},
        label("Label1", {kClassLeft, kHeaderTop, kClassWidth, 17}, "Richtig+Z+S"),
        label("Label2", {kQuotaLeft, kHeaderTop, kQuotaWidth, 17}, "Gewinnquoten"),
        label("Label3", {kAmountLeft, kHeaderTop, kAmountWidth, 17}, "Summe"),
    };
    for (std::size_t k = 0; k < TForm9::kClasses; ++k)
        rows.push_back(label("Label" + std::to_string(4 + k),
                             {kClassLeft, rowTop(k) + 3, kClassWidth, 17}, kClassNames[k]));
    for (std::size_t k = 0; k < TForm9::kClasses; ++k)
        rows.push_back(label("Label" + std::to_string(12 + k),
                             {kAmountLeft, rowTop(k) + 3, kAmountWidth, 17}, "", Alignment::Right));
    ControlRow total =
        label("Label20", {kAmountLeft, kTotalTop, kAmountWidth, 17}, "Summe", Alignment::Right);
    total.bold = true;
    return concatenate({
        rows,
        {
            total,
            label("Anzahl", {kCountLeft, kHeaderTop, kCountWidth, 17}, "Anzahl"),
            {.kind = Kind::SpeedButton,
             .name = "SpeedButton1",
             .parent = "Panel1",
             .bounds = {kQuotaLeft, kTotalTop - 4, 24, 24},
             .hint = "durchschnittlische Quote eintragen",
             .events = {{"OnClick", "SpeedButton1Click"}}},
            // Without a function; kept for the language files' order, not shown.
            {.kind = Kind::SpeedButton,
             .name = "SpeedButton2",
             .parent = "Panel1",
             .bounds = {kClassLeft, kTotalTop - 4, 24, 24},
             .visible = false},
        },
        editColumn(1, kCountLeft, kCountWidth),
        editColumn(9, kQuotaLeft, kQuotaWidth),
        {
            {.kind = Kind::BitBtn,
             .name = "BitBtn1",
             .parent = "Panel1",
             .bounds = {kClientWidth - 12 - 100, kTotalTop + 28, 100, 28},
             .caption = "&Schließen",
             .modalResult = DialogResult::Cancel},
            {.kind = Kind::StatusBar,
             .name = "StatusBar1",
             .bounds = {0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight}},
        },
    });
}

}  // namespace

void TForm9::build() {
    static const ControlRows rows = designedRows();
    buildControls(*this, rows);
    bindMember(*this, "Panel1", Panel1);
    bindMember(*this, "Label1", Label1);
    bindMember(*this, "Label2", Label2);
    bindMember(*this, "Label3", Label3);
    for (std::size_t k = 0; k < kClasses; ++k) {
        bindMember(*this, "Label" + std::to_string(4 + k), classLabels[k]);
        bindMember(*this, "Label" + std::to_string(12 + k), amounts[k]);
        bindMember(*this, "Edit" + std::to_string(1 + k), counts[k]);
        bindMember(*this, "Edit" + std::to_string(9 + k), quotas[k]);
    }
    bindMember(*this, "Label20", Label20);
    bindMember(*this, "Anzahl", Anzahl);
    bindMember(*this, "SpeedButton1", SpeedButton1);
    bindMember(*this, "SpeedButton2", SpeedButton2);
    bindMember(*this, "BitBtn1", BitBtn1);
    bindMember(*this, "StatusBar1", StatusBar1);
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
