#include "analysis/chance_dialog.h"

#include "analysis/prize_odds.h"
#include "controls/builder.h"
#include "controls/chart.h"
#include "draws/hit_count.h"
#include "model/added_texts.h"

namespace kugel {

constexpr Color kObservedColor = clNavy;
constexpr Color kExpectedColor = clGray;

TChanceForm::TChanceForm(Platform& platform) : Form("ChanceForm", platform) {
    setCaption(builtInAddedTexts()[AddedText::ChanceTitle]);
    setBounds(200, 40, 760, 718);
    setFontHeight(13);
    Builder b(*this);
    Label1 = &b.label("Label1", this, {12, 8, 736, 17}, "Reihen je Trefferklasse");
    Chart1 = &create<Chart>("Chart1", this);
    Chart1->setBounds(12, 28, 736, 240);
    Chart1->setHint("Beobachtet neben erwartet, je Trefferklasse");
    ObservedLegend = &b.label("ObservedLegend", this, {12, 274, 200, 17}, "beobachtet");
    ObservedLegend->setFontColor(kObservedColor);
    ExpectedLegend = &b.label("ExpectedLegend", this, {220, 274, 528, 17},
                              "erwartet beim Zufall, der Strich: Bereich (95 %)");
    ExpectedLegend->setFontColor(kExpectedColor);
    Memo1 = &create<Memo>("Memo1", this);
    // Tall enough for the whole text: the table and the verdict below it.
    Memo1->setBounds(12, 298, 736, 372);
    BitBtn1 = &b.button("BitBtn1", Kind::BitBtn, this, {660, 680, 88, 28}, "Schließen");
    BitBtn1->modalResult = DialogResult::Cancel;
}

void TChanceForm::showComparison(const ChanceComparison& c, std::vector<std::string> lines) {
    Chart& chart = *Chart1;
    chart.Series1 = {};
    chart.Series1.active = true;
    chart.Series1.color = kObservedColor;
    chart.Series2 = {};
    chart.Series2.active = true;
    chart.Series2.color = kExpectedColor;
    for (const ChanceComparison::Class& k : c.classes) {
        const double x = hitClassIndex(k.mainHits, k.powerball);
        const std::string label = hitClassText({k.mainHits, k.powerball});
        chart.Series1.points.push_back(
            {x, static_cast<double>(k.observed), kObservedColor, label, std::nullopt});
        chart.Series2.points.push_back(
            {x, k.expected, kExpectedColor, label,
             ChartRange{static_cast<double>(k.low), static_cast<double>(k.high)}});
    }
    chart.LeftAxis.automatic = true;
    chart.BottomAxis.automatic = true;
    chart.BottomAxis.title.clear();
    chart.redraw();
    Memo1->setLines(std::move(lines));
}

}  // namespace kugel
