#include "analysis/odds_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "analysis/prize_odds.h"
#include "controls/control_table.h"
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

ControlRow label(std::string name, Bounds b, std::string caption) {
    return {
        .kind = Kind::Label, .name = std::move(name), .bounds = b, .caption = std::move(caption)};
}

// The headings, a line per division with its quota to edit, the chance of
// any prize, the price of a row and what a row returns.
ControlRows designedRows() {
    ControlRows rows = {
        label("Label1", {12, 10, 70, 17}, "Klasse"),
        label("Label2", {84, 10, 110, 17}, "Treffer"),
        label("Label3", {196, 10, 120, 17}, "Chance je Reihe"),
        label("Label4", {318, 10, 110, 17}, "1 zu"),
        label("Label5", {440, 10, 100, 17}, "Quote"),
    };
    const std::array<double, 8> quotas = defaultDivisionQuotas();
    for (const PrizeDivision& d : prizeDivisions()) {
        const int top = kTop + (d.division - 1) * kRowHeight;
        const std::string n = std::to_string(d.division);
        rows.push_back(label("Division" + n, {12, top + 3, 70, 17}, n));
        rows.push_back(label("Hits" + n, {84, top + 3, 110, 17}, hitsText(d)));
        rows.push_back(label("Chance" + n, {196, top + 3, 120, 17}, d.probability.text()));
        rows.push_back(label("OneIn" + n, {318, top + 3, 110, 17}, oddsText(d.probability)));
        rows.push_back({.kind = Kind::Edit,
                        .name = "Quote" + n,
                        .bounds = {440, top, 100, 21},
                        .caption = fixed(quotas[static_cast<std::size_t>(d.division - 1)], 2),
                        .hint = "Was diese Gewinnklasse je Reihe auszahlt",
                        .events = {{"OnChange", "OddsChange"}}});
    }

    const int below = kTop + 8 * kRowHeight + 8;
    const Fraction any = anyDivisionProbability();
    return concatenate({
        rows,
        {
            label("AnyLabel", {12, below, 180, 17}, "Irgendeine Gewinnklasse"),
            label("AnyChance", {196, below, 120, 17}, any.text()),
            label("AnyOneIn", {318, below, 110, 17}, oddsText(any)),
            label("PriceLabel", {12, below + 36, 300, 17}, "Preis je Reihe"),
            {.kind = Kind::Edit,
             .name = "PriceEdit",
             .bounds = {440, below + 33, 100, 21},
             .caption = "1.00",
             .hint = "Was eine Reihe kostet",
             .events = {{"OnChange", "OddsChange"}}},
            label("ReturnLabel", {12, below + 64, 300, 17}, "Erwartete Auszahlung je Reihe"),
            label("ReturnValue", {318, below + 64, 222, 17}, ""),
            label("ShareLabel", {12, below + 88, 300, 17}, "Davon zurück je gesetztem Betrag"),
            label("ShareValue", {318, below + 88, 222, 17}, ""),
            {.kind = Kind::BitBtn,
             .name = "BitBtn1",
             .bounds = {452, below + 124, 88, 28},
             .caption = "Schließen",
             .modalResult = DialogResult::Cancel},
        },
    });
}

}  // namespace

TOddsForm::TOddsForm(Platform& platform) : Form("OddsForm", platform) {
    setCaption(builtInAddedTexts()[AddedText::OddsDialogTitle]);
    setBounds(220, 140, 560, 420);
    setFontHeight(13);
    static const ControlRows rows = designedRows();
    buildControls(*this, rows);
    for (std::size_t i = 0; i < quotaEdits.size(); ++i)
        bindMember(*this, "Quote" + std::to_string(i + 1), quotaEdits[i]);
    bindMember(*this, "PriceEdit", PriceEdit);
    bindMember(*this, "ReturnValue", ReturnValue);
    bindMember(*this, "ShareValue", ShareValue);
    bindMember(*this, "BitBtn1", BitBtn1);

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
