#include "analysis/analysis_report.h"

#include <filesystem>

#include "model/main_window.h"
#include "platform/codepage.h"
#include "platform/durable_file.h"
#include "platform/platform.h"

namespace kugel {

AnalysisRun::AnalysisRun(TForm1& form) : form_(form) {
    form_.analysisRunning = true;
}

AnalysisRun::~AnalysisRun() {
    form_.analysisRunning = false;
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
