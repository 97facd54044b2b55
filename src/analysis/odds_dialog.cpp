#include "analysis/odds_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "analysis/prize_odds.h"
#include "controls/builder.h"
#include "model/added_texts.h"
#include "model/main_window.h"
#include "model/program_windows.h"
#include "platform/platform.h"

namespace kugel {
namespace {

constexpr int kRowHeight = 24;
constexpr int kTop = 36;

std::string hitsText(const PrizeDivision& d) {
    return std::to_string(d.mainHits) + (d.powerball ? " + Powerball" : "");
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// A money amount as typed, with a decimal point or a decimal comma.
std::optional<double> amount(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    while (*end == ' ') ++end;
    if (*end != '\0' || !std::isfinite(v) || v < 0) return std::nullopt;
    return v;
}

}  // namespace

TOddsForm::TOddsForm(Platform& platform) : Form("OddsForm", platform) {
    setCaption(builtInAddedTexts()[AddedText::OddsDialogTitle]);
    setBounds(220, 140, 560, 420);
    setFontHeight(13);
    Builder b(*this);
    b.label("Label1", this, {12, 10, 70, 17}, "Klasse");
    b.label("Label2", this, {84, 10, 110, 17}, "Treffer");
    b.label("Label3", this, {196, 10, 120, 17}, "Chance je Reihe");
    b.label("Label4", this, {318, 10, 110, 17}, "1 zu");
    b.label("Label5", this, {440, 10, 100, 17}, "Quote");

    const std::array<double, 8> quotas = defaultDivisionQuotas();
    for (const PrizeDivision& d : prizeDivisions()) {
        const int top = kTop + (d.division - 1) * kRowHeight;
        const std::string n = std::to_string(d.division);
        b.label("Division" + n, this, {12, top + 3, 70, 17}, n);
        b.label("Hits" + n, this, {84, top + 3, 110, 17}, hitsText(d));
        b.label("Chance" + n, this, {196, top + 3, 120, 17}, d.probability.text());
        b.label("OneIn" + n, this, {318, top + 3, 110, 17}, oddsText(d.probability));
        Edit& quota = b.edit("Quote" + n, this, {440, top, 100, 21},
                             fixed(quotas[static_cast<std::size_t>(d.division - 1)], 2),
                             "Was diese Gewinnklasse je Reihe auszahlt");
        quota.bindEvent("OnChange", "OddsChange");
        quotaEdits[static_cast<std::size_t>(d.division - 1)] = &quota;
    }

    const int below = kTop + 8 * kRowHeight + 8;
    const Fraction any = anyDivisionProbability();
    b.label("AnyLabel", this, {12, below, 180, 17}, "Irgendeine Gewinnklasse");
    b.label("AnyChance", this, {196, below, 120, 17}, any.text());
    b.label("AnyOneIn", this, {318, below, 110, 17}, oddsText(any));

    b.label("PriceLabel", this, {12, below + 36, 300, 17}, "Preis je Reihe");
    PriceEdit =
        &b.edit("PriceEdit", this, {440, below + 33, 100, 21}, "1.00", "Was eine Reihe kostet");
    PriceEdit->bindEvent("OnChange", "OddsChange");
    b.label("ReturnLabel", this, {12, below + 64, 300, 17}, "Erwartete Auszahlung je Reihe");
    ReturnValue = &b.label("ReturnValue", this, {318, below + 64, 222, 17}, "");
    b.label("ShareLabel", this, {12, below + 88, 300, 17}, "Davon zurück je gesetztem Betrag");
    ShareValue = &b.label("ShareValue", this, {318, below + 88, 222, 17}, "");

    BitBtn1 = &b.button("BitBtn1", Kind::BitBtn, this, {452, below + 124, 88, 28}, "Schließen");
    BitBtn1->modalResult = DialogResult::Cancel;

    addHandler("OddsChange", [this](Component*) { recalculate(); });
    recalculate();
}

void TOddsForm::recalculate() {
    if (!PriceEdit || !ReturnValue || !ShareValue) return;  // still being built
    std::array<double, 8> quotas{};
    for (std::size_t i = 0; i < quotaEdits.size(); ++i) {
        if (!quotaEdits[i]) return;
        const std::optional<double> q = amount(quotaEdits[i]->text());
        if (!q) {
            ReturnValue->setCaption("\"" + quotaEdits[i]->text() + "\" ?");
            ShareValue->setCaption("");
            return;
        }
        quotas[i] = *q;
    }
    const double expected = expectedReturnPerRow(quotas);
    ReturnValue->setCaption(fixed(expected, 4));
    const std::optional<double> price = amount(PriceEdit->text());
    if (!price || *price <= 0) {
        ShareValue->setCaption("\"" + PriceEdit->text() + "\" ?");
        return;
    }
    ShareValue->setCaption(fixed(100 * expected / *price, 1) + " %");
}

void registerOddsHandlers(TForm1& form) {
    form.addHandler("GewinnchancenClick", [&form](Component*) {
        TOddsForm& dialog = form.app().oddsForm();
        dialog.recalculate();
        form.app().showModal(dialog);
    });
}

}  // namespace kugel
