#include "analysis/chance_report.h"

#include <cstdio>

#include "analysis/chance_dialog.h"
#include "draws/hit_count.h"
#include "model/added_texts.h"
#include "model/program_windows.h"
#include "platform/platform.h"

namespace kugel {
namespace {

// A number as the user's locale writes it.
std::string decimal(const TForm1& form, const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    std::string out;
    for (const char* c = text; *c; ++c) {
        if (*c == '.')
            out += form.locale().decimalSeparator;
        else
            out += *c;
    }
    return out;
}

std::string expectedText(const TForm1& form, double expected) {
    // The rarest classes expect a tiny fraction of a row; two decimals
    // would show them as nothing at all.
    if (expected > 0 && expected < 0.005) return "< " + decimal(form, "%.2f", 0.01);
    return decimal(form, "%.2f", expected);
}

std::string pValueText(const TForm1& form, double p) {
    return decimal(form, p >= 0.001 ? "%.3f" : "%.1e", p);
}

}  // namespace

HitClassCounts hitClassCounts(const HitStatistics& rows) {
    HitClassCounts counts{};
    for (std::size_t h = 0; h < rows.size(); ++h)
        for (const bool pb : {false, true})
            counts[static_cast<std::size_t>(hitClassIndex(static_cast<int>(h), pb))] =
                rows[h][pb ? 1 : 0];
    return counts;
}

std::string verdictText(const TForm1& form, const ChanceComparison& c) {
    const AddedTexts& t = form.addedTexts;
    switch (verdictOf(c)) {
        case ChanceVerdict::TooFewRows:
            return t[AddedText::ChanceTooFewRows];
        case ChanceVerdict::WithinChance:
            return t[AddedText::ChanceWithin];
        case ChanceVerdict::BetterThanChance:
            return t.format(AddedText::ChanceBetter, {pValueText(form, c.pValue)});
        case ChanceVerdict::WorseThanChance:
            return t.format(AddedText::ChanceWorse, {pValueText(form, c.pValue)});
    }
    return {};
}

std::vector<std::string> chanceLines(const TForm1& form, const std::string& source,
                                     const ChanceComparison& c) {
    const AddedTexts& t = form.addedTexts;
    std::vector<std::string> lines;
    lines.push_back(source);
    lines.emplace_back();
    lines.push_back(t[AddedText::ChanceColumns]);
    for (const ChanceComparison::Class& k : c.classes)
        lines.push_back(hitClassText({k.mainHits, k.powerball}) + "\t" +
                        std::to_string(k.observed) + "\t" + expectedText(form, k.expected) + "\t" +
                        std::to_string(k.low) + " - " + std::to_string(k.high));
    lines.emplace_back();
    lines.push_back(
        t.format(AddedText::ChanceWinningRows,
                 {std::to_string(c.winningRows), expectedText(form, c.expectedWinningRows)}));
    if (c.test == ChanceTest::ChiSquare)
        lines.push_back(t.format(AddedText::ChanceChiSquare,
                                 {decimal(form, "%.2f", c.chiSquare),
                                  std::to_string(c.degreesOfFreedom), pValueText(form, c.pValue)}));
    else if (c.test == ChanceTest::MonteCarlo)
        lines.push_back(t.format(AddedText::ChanceMonteCarlo,
                                 {std::to_string(c.samples), pValueText(form, c.pValue)}));
    lines.push_back(t.format(AddedText::ChanceResult, {verdictText(form, c)}));
    return lines;
}

std::filesystem::path chanceReportPath(const std::filesystem::path& report) {
    std::filesystem::path beside = report;
    beside.replace_filename(report.stem().string() + "_Zufall" + report.extension().string());
    return beside;
}

void showChanceComparison(TForm1& form, const ChanceComparison& c, std::vector<std::string> lines) {
    TChanceForm& window = form.app().chanceForm();
    window.showComparison(c, std::move(lines));
    form.app().showWindow(window);
}

}  // namespace kugel
