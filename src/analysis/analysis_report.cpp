#include "analysis/analysis_report.h"

#include <filesystem>

#include "model/main_window.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/durable_file.h"
#include "platform/platform.h"

namespace kugel {

AnalysisRun::AnalysisRun(TForm1& form) : form_(form) {
    form_.analysisRunning = true;
}

AnalysisRun::~AnalysisRun() {
    form_.analysisRunning = false;
}

bool askBeforeAnalysis(TForm1& form, const AnalysisQuestion& question) {
    if (form.analysisRunning || form.calculationRunning()) return false;
    const std::string text = form.msg(question.before) +
                             formatShortDate(form.DateTimePicker1->date(), form.locale()) +
                             form.msg(question.after);
    return form.platform().messageBox(form.msg(question.caption), text, MessageButtons::YesNo) ==
           DialogResult::Yes;
}

std::filesystem::path reportPath(const TForm1& form) {
    return form.Home + "Test.rtf";
}

void writeReport(const std::filesystem::path& target, const std::vector<std::string>& lines) {
    replaceFileAtomically(target, encodeAnsiLines(lines));
}

void saveAndOpenReport(TForm1& form, std::vector<std::string> lines) {
    form.RichEdit1->setLines(std::move(lines));
    const std::filesystem::path target = reportPath(form);
    writeReport(target, form.RichEdit1->lines());
    form.platform().shellOpen(target.string());
}

}  // namespace kugel
