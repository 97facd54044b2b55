#include "analysis/chance_report.h"

#include <cstdio>

#include "analysis/chance_dialog.h"
#include "draws/hit_count.h"
#include "model/added_texts.h"
#include "model/conversion.h"
#include "model/main_window.h"
#include "model/program_windows.h"
#include "platform/dates.h"
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

std::optional<CheckedRow> readableRow(const TicketRow& row) {
    try {
        CheckedRow r;
        for (std::size_t k = 0; k < r.numbers.size(); ++k)
            r.numbers[k] = toInteger(row.numbers[k]->text());
        r.powerball = toInteger(row.powerball->text());
        return r;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::vector<CheckedRow> readableRows(const TForm1& form) {
    std::vector<CheckedRow> rows;
    for (const TicketRow& row : form.ticket.rows)
        if (const auto r = readableRow(row)) rows.push_back(*r);
    return rows;
}

std::optional<double> ticketLearnedUntil(const TForm1& form) {
    if (!form.calculatedTicket) return std::nullopt;
    const auto& made = form.calculatedTicket->rows;
    if (made.size() != form.ticket.rows.size()) return std::nullopt;
    for (std::size_t r = 0; r < made.size(); ++r) {
        const TicketRow& row = form.ticket.rows[r];
        for (std::size_t k = 0; k < row.numbers.size(); ++k)
            if (row.numbers[k]->text() != made[r][k]) return std::nullopt;
        if (row.powerball->text() != made[r][6]) return std::nullopt;
    }
    return form.calculatedTicket->learnedUntil;
}

std::vector<std::string> chanceLines(const TForm1& form, const std::vector<std::string>& head,
                                     const ChanceComparison& c, const LearnedDraws* learned) {
    const AddedTexts& t = form.addedTexts;
    const auto lead = [&](const ChanceComparison& k) {
        return t.format(
            AddedText::ChanceLead,
            {std::to_string(k.rows), std::to_string(k.winningRows),
             decimal(form, k.expectedWinningRows < 1 ? "%.2f" : "%.1f", k.expectedWinningRows),
             std::to_string(k.winningLow), std::to_string(k.winningHigh)});
    };
    std::vector<std::string> lines = head;
    if (c.rows == 0) {
        // Nothing was checked: no sentence on wins, no table of noughts.
        lines.push_back(t.format(AddedText::ChanceResult, {verdictText(form, c)}));
        return lines;
    }
    lines.push_back(lead(c));
    // The comparison that gives the verdict: over the draws after the
    // ticket's calculation when it learned from some of those checked.
    const ChanceComparison* judged = &c;
    std::string verdict;
    if (learned) {
        lines.push_back(t.format(
            AddedText::ChanceLearned,
            {formatShortDate(learned->until, form.locale()), std::to_string(learned->draws)}));
        if (learned->after) {
            judged = &*learned->after;
            lines.push_back(t.format(AddedText::ChanceAfterCalculation,
                                     {std::to_string(judged->draws),
                                      formatShortDate(learned->firstAfter, form.locale())}));
            lines.push_back(lead(*judged));
            verdict = verdictText(form, *judged);
        } else {
            judged = nullptr;
            verdict = t[AddedText::ChanceNoLaterDraws];
        }
    } else {
        verdict = verdictText(form, c);
    }
    lines.push_back(t.format(AddedText::ChanceResult, {verdict}));
    lines.emplace_back();
    lines.push_back(t[AddedText::ChanceColumns]);
    for (const ChanceComparison::Class& k : c.classes)
        lines.push_back(hitClassText({k.mainHits, k.powerball}) + "\t" +
                        std::to_string(k.observed) + "\t" + expectedText(form, k.expected) + "\t" +
                        std::to_string(k.low) + " - " + std::to_string(k.high));
    if (judged && judged->test == ChanceTest::Simulation) {
        lines.emplace_back();
        lines.push_back(t.format(AddedText::ChanceMethod,
                                 {std::to_string(judged->samples), std::to_string(judged->draws),
                                  pValueText(form, judged->pValue), decimal(form, "%.2f", 0.05)}));
    }
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
