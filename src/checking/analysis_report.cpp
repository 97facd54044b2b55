#include "checking/analysis_report.h"

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

void saveAndOpenReport(TForm1& form, std::vector<std::string> lines) {
    form.RichEdit1->setLines(std::move(lines));
    const std::filesystem::path target = form.Home + "Test.rtf";
    replaceFileAtomically(target, target.string() + ".tmp",
                          encodeAnsiLines(form.RichEdit1->lines()));
    form.platform().shellOpen(target.string());
}

}  // namespace kugel
