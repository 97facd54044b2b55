#include "online/click_script.h"

#include <filesystem>

#include "model/added_texts.h"
#include "model/main_window.h"
#include "model/program_windows.h"
#include "model/settings_controls.h"
#include "online/script_choice_dialog.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/durable_file.h"
#include "update/vendor_site.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxScriptRows = 12;
constexpr const char* kToolProgram = "ClickRun.exe";
constexpr const char* kInstallerPath = "/dateien/clickrunp.exe";

// The tool's own settings: its install path and the last choices made here.
constexpr const char* kToolPathKey = "Path";
constexpr const char* kToolScriptKey = "PowerLottoScript";
constexpr const char* kToolZahl1Key = "PowerLottoZahl1";
constexpr const char* kToolText1Key = "PowerLottoText1";
constexpr const char* kToolZahl2Key = "PowerLottoZahl2";
constexpr const char* kToolText2Key = "PowerLottoText2";

void replaceAll(std::string& text, const std::string& token, const std::string& value) {
    for (auto at = text.find(token); at != std::string::npos;
         at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
}

std::string rowToken(char kind, int position, int row) {
    return std::string("[") + kind + std::to_string(position) + "_" + std::to_string(row) + "]";
}

const char* yesNo(bool on) {
    return on ? "JA" : "NEIN";
}

std::string readTool(SettingsStore& tool, const char* name) {
    return tool.readString(name).value_or("");
}

// The tool's program file, or nothing when no install path is recorded.
std::optional<fs::path> toolProgram(const std::string& installPath) {
    if (installPath.empty()) return std::nullopt;
    return fs::path(installPath) / kToolProgram;
}

}  // namespace

std::string fillScriptTokens(std::string text, const std::vector<std::string>& tipLines,
                             const ScriptAnswers& answers, const std::string& tipFile) {
    int row = 0;
    for (const std::string& line : tipLines) {
        ++row;
        std::string rest = line;
        auto fill = [&](char kind, int position, const std::string& value) {
            replaceAll(text, rowToken(kind, position, row), value);
        };
        for (int k = 1; k <= 6; ++k) {
            std::string value;
            if (const auto comma = rest.find(','); comma != std::string::npos) {
                value = rest.substr(0, comma);
                rest.erase(0, comma + 1);
            }
            fill(k <= 5 ? 'Z' : 'S', k <= 5 ? k : 1, value);
        }
        fill('S', 2, rest.substr(0, rest.find(',')));
    }
    for (int r = row + 1; r <= kMaxScriptRows; ++r) {
        for (int k = 1; k <= 5; ++k) replaceAll(text, rowToken('Z', k, r), "");
        replaceAll(text, rowToken('S', 1, r), "");
        replaceAll(text, rowToken('S', 2, r), "");
    }
    replaceAll(text, "[DAUER]", yesNo(answers.dauer));
    replaceAll(text, "[FR]", yesNo(answers.fr));
    replaceAll(text, "[DI]", yesNo(answers.di));
    replaceAll(text, "[DIFR]", yesNo(answers.di && answers.fr));
    replaceAll(text, "[MELDUNGFERTIG]", "Ready to Play");
    replaceAll(text, "[TIPPDATEI]", tipFile);
    return text;
}

void Scriptstart(TForm1& form) {
    Platform& platform = form.platform();
    SettingsStore& tool = platform.toolSettings();
    TQCSForm& dialog = form.app().qcsForm();

    const auto program = toolProgram(readTool(tool, kToolPathKey));
    dialog.LabeledEdit2->setText(readTool(tool, kToolZahl1Key));
    dialog.LabeledEdit4->setText(readTool(tool, kToolText1Key));
    dialog.LabeledEdit3->setText(readTool(tool, kToolZahl2Key));
    dialog.LabeledEdit5->setText(readTool(tool, kToolText2Key));
    if (!program || !isRegularFile(*program)) {
        if (platform.messageBox(form.msg(AddedText::InstallToolTitle),
                                form.msg(AddedText::InstallToolQuestion),
                                MessageButtons::YesNo) == DialogResult::Yes)
            platform.shellOpen(vendorAddress(form) + kInstallerPath);
        return;
    }

    dialog.scriptDirectory = form.Home + "Script";
    dialog.vendorSite = vendorAddress(form);
    dialog.OpenDialog1->initialDir = dialog.scriptDirectory;
    dialog.OpenDialog1->defaultExt = "QCS";
    dialog.LabeledEdit1->setText(readTool(tool, kToolScriptKey));
    if (form.app().showModal(dialog) != DialogResult::Ok) return;

    const std::string templateFile = dialog.LabeledEdit1->text();
    tool.writeString(kToolScriptKey, templateFile);
    tool.writeString(kToolZahl1Key, dialog.LabeledEdit2->text());
    tool.writeString(kToolText1Key, dialog.LabeledEdit4->text());
    tool.writeString(kToolZahl2Key, dialog.LabeledEdit3->text());
    tool.writeString(kToolText2Key, dialog.LabeledEdit5->text());
    tool.flush();
    if (templateFile.empty() || !isRegularFile(templateFile)) return;

    const std::string templateBytes = readWholeFile(templateFile);
    // The script is the template with its tokens filled in, in the template's
    // encoding; everything else, line ends included, belongs to the tool.
    const TextEncoding encoding = detectEncoding(templateBytes);
    const std::string text = decodeTextFile(templateBytes);
    const std::string tipFile = form.SaveDialog1->fileName;
    const std::vector<std::string> tipLines = splitLines(decodeTextFile(readWholeFile(tipFile)));

    const SettingsControls& s = form.settings;
    const ScriptAnswers answers{s.CheckBox1->checked(), s.CheckBox3->checked(),
                                s.CheckBox2->checked()};
    const std::string script = fillScriptTokens(text, tipLines, answers, tipFile);

    const fs::path output =
        fs::path(tipFile).parent_path() / (formatYyyymmdd(platform.today()) + ".qcs");
    replaceFileAtomically(output, encodeText(script, encoding));

    platform.startProgram(program->string(),
                          "START " + output.string() + " " + dialog.LabeledEdit2->text() + " " +
                              dialog.LabeledEdit4->text() + " " + dialog.LabeledEdit3->text() +
                              " " + dialog.LabeledEdit5->text());
}

}  // namespace kugel
