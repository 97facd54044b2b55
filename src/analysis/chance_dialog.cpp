#include "analysis/chance_dialog.h"

#include "analysis/prize_odds.h"
#include "controls/chart.h"
#include "controls/control_table.h"
#include "draws/hit_count.h"
#include "model/added_texts.h"

namespace kugel {

constexpr Color kObservedColor = clNavy;
constexpr Color kExpectedColor = clGray;

TChanceForm::TChanceForm(Platform& platform) : Form("ChanceForm", platform) {
    setCaption(builtInAddedTexts()[AddedText::ChanceTitle]);
    setBounds(200, 40, 760, 718);
    setFontHeight(13);
    static const ControlRows rows = {
        {.kind = Kind::Label,
         .name = "Label1",
         .bounds = {12, 8, 736, 17},
         .caption = "Reihen je Trefferklasse"},
        {.kind = Kind::Chart,
         .name = "Chart1",
         .bounds = {12, 28, 736, 240},
         .hint = "Beobachtet neben erwartet, je Trefferklasse"},
        {.kind = Kind::Label,
         .name = "ObservedLegend",
         .bounds = {12, 274, 200, 17},
         .caption = "beobachtet",
         .fontColor = kObservedColor},
        {.kind = Kind::Label,
         .name = "ExpectedLegend",
         .bounds = {220, 274, 528, 17},
         .caption = "erwartet beim Zufall, der Strich: Bereich (95 %)",
         .fontColor = kExpectedColor},
        // Tall enough for the whole text: the table and the verdict below it.
        {.kind = Kind::Memo, .name = "Memo1", .bounds = {12, 298, 736, 372}, .wordWrap = true},
        {.kind = Kind::BitBtn,
         .name = "BitBtn1",
         .bounds = {660, 680, 88, 28},
         .caption = "Schließen",
         .modalResult = DialogResult::Cancel},
    };
    buildControls(*this, rows);
    bindMember(*this, "Label1", Label1);
    bindMember(*this, "Chart1", Chart1);
    bindMember(*this, "ObservedLegend", ObservedLegend);
    bindMember(*this, "ExpectedLegend", ExpectedLegend);
    bindMember(*this, "Memo1", Memo1);
    bindMember(*this, "BitBtn1", BitBtn1);
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
