#include "online/script_choice_dialog.h"

#include <filesystem>

#include "controls/control_table.h"
#include "platform/durable_file.h"
#include "platform/platform.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTemplateFilter = "Quandors Click Script|*.qcs";
// The dialog's own client: no proxy, a user agent of its own.
constexpr const char* kRefreshUserAgent = "Mozilla/3.0 (compatible; Indy Library)";

bool isTemplateName(const fs::path& file) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".qcs";
}

// Whether the file is one of the templates directly in the script directory.
bool isInScriptDirectory(const std::string& scriptDirectory, const std::string& templateFile) {
    if (scriptDirectory.empty() || templateFile.empty()) return false;
    // Compared as the files really lie: neither a link in the folder nor
    // ".." in the name may lead to a file elsewhere.
    std::error_code error;
    const fs::path folder = fs::canonical(scriptDirectory, error);
    if (error) return false;
    const fs::path file = fs::canonical(templateFile, error);
    return !error && file.parent_path() == folder && isTemplateName(file) &&
           fs::is_regular_file(file, error);
}

void offerTemplates(TQCSForm& f) {
    const std::string remembered = f.LabeledEdit1->text();
    const std::vector<std::string> templates = listTemplates(f.scriptDirectory);
    f.LabeledEdit1->setItems(templates);
    f.LabeledEdit1->setText(remembered.empty() && !templates.empty() ? templates.back()
                                                                     : remembered);
}

void fillEmptyNumbersWithZero(TQCSForm& f) {
    for (Edit* zahl : {f.LabeledEdit2, f.LabeledEdit3})
        if (zahl->text().empty()) zahl->setText("0");
}

void chooseTemplateFile(TQCSForm& f) {
    const std::string proposed = f.OpenDialog1->initialDir.empty()
                                     ? std::string()
                                     : (fs::path(f.OpenDialog1->initialDir) / "").string();
    const auto file =
        f.platform().openFileDialog(f.OpenDialog1->filter, proposed, f.OpenDialog1->defaultExt);
    if (!file) return;
    f.OpenDialog1->fileName = *file;
    f.LabeledEdit1->setText(*file);
}

void refreshChosenTemplate(TQCSForm& f) {
    refreshTemplate(f.platform(), f.vendorSite, f.scriptDirectory, f.LabeledEdit1->text());
    f.modalResult = DialogResult::Ok;
}

}  // namespace

namespace {

// A parameter's edit under its caption.
ControlRows labeled(const std::string& name, const char* caption, int left, int top) {
    return {
        {.kind = Kind::Label,
         .name = name + "Label",
         .bounds = {left, top, 180, 17},
         .caption = caption},
        {.kind = Kind::Edit, .name = name, .bounds = {left, top + 18, 180, 21}},
    };
}

ControlRows designedRows() {
    return concatenate({
        {
            {.kind = Kind::Label,
             .name = "Label1",
             .bounds = {12, 12, 300, 17},
             .caption = "Quandors Click-Script File"},
            {.kind = Kind::ComboBox, .name = "LabeledEdit1", .bounds = {12, 32, 360, 23}},
            {.kind = Kind::BitBtn,
             .name = "BitBtn1",
             .bounds = {378, 31, 30, 25},
             .caption = "…",
             .hint = "Script-Datei auswählen",
             .events = {{"OnClick", "BitBtn1Click"}}},
            {.kind = Kind::Label,
             .name = "Label2",
             .bounds = {12, 70, 300, 17},
             .caption = "Parameter "},
        },
        labeled("LabeledEdit2", "ZAHL1", 12, 94),
        labeled("LabeledEdit3", "ZAHL2", 216, 94),
        labeled("LabeledEdit4", "TEXT1", 12, 140),
        labeled("LabeledEdit5", "TEXT2", 216, 140),
        {
            {.kind = Kind::BitBtn,
             .name = "BitBtn3",
             .bounds = {320, 200, 88, 28},
             .caption = "Abbrechen",
             .modalResult = DialogResult::Cancel},
            {.kind = Kind::BitBtn,
             .name = "BitBtn2",
             .bounds = {224, 200, 88, 28},
             .caption = "OK",
             .modalResult = DialogResult::Ok,
             .events = {{"OnClick", "BitBtn2Click"}}},
            {.kind = Kind::OpenDialog, .name = "OpenDialog1"},
        },
    });
}

}  // namespace

TQCSForm::TQCSForm(Platform& platform) : Form("QCSForm", platform) {
    setCaption("Script für Zahlenübergabe auswählen!");
    setBounds(200, 150, 420, 250);
    setFontHeight(13);
    bindEvent("OnShow", "FormShow");
    bindEvent("OnClose", "FormClose");
    static const ControlRows rows = designedRows();
    buildControls(*this, rows);
    bindMember(*this, "Label1", Label1);
    bindMember(*this, "LabeledEdit1", LabeledEdit1);
    bindMember(*this, "BitBtn1", BitBtn1);
    bindMember(*this, "Label2", Label2);
    bindMember(*this, "LabeledEdit2", LabeledEdit2);
    bindMember(*this, "LabeledEdit3", LabeledEdit3);
    bindMember(*this, "LabeledEdit4", LabeledEdit4);
    bindMember(*this, "LabeledEdit5", LabeledEdit5);
    bindMember(*this, "BitBtn3", BitBtn3);
    bindMember(*this, "BitBtn2", BitBtn2);
    bindMember(*this, "OpenDialog1", OpenDialog1);
    OpenDialog1->filter = kTemplateFilter;
    OpenDialog1->defaultExt = "qcs";

    addHandler("FormShow", [this](Component*) { offerTemplates(*this); });
    addHandler("FormClose", [this](Component*) { fillEmptyNumbersWithZero(*this); });
    addHandler("BitBtn1Click", [this](Component*) { chooseTemplateFile(*this); });
    addHandler("BitBtn2Click", [this](Component*) { refreshChosenTemplate(*this); });
}

std::vector<std::string> listTemplates(const std::string& directory) {
    std::vector<std::string> templates;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        if (it->is_directory(kindError) || !isTemplateName(it->path())) continue;
        templates.push_back(it->path().string());
    }
    return templates;
}

void refreshTemplate(Platform& platform, const std::string& vendorSite,
                     const std::string& scriptDirectory, const std::string& templateFile) {
    try {
        // The refresh replaces a file without asking: only one of the
        // program's own templates may be replaced, never a file the user
        // merely named in the dialog.
        if (!isInScriptDirectory(scriptDirectory, templateFile)) return;
        const auto localModified = modifiedDay(templateFile);
        HttpRequest request;
        request.url =
            vendorSite + "/scripts/" + fs::path(templateFile).filename().string() + ".txt";
        request.userAgent = kRefreshUserAgent;
        const HttpResponse response = platform.httpGet(request);
        // An empty answer is no template: it would leave nothing to fill in.
        if (!response.answered || response.statusCode != 200 || response.bytes.empty() ||
            !response.lastModified || !localModified || *response.lastModified <= *localModified)
            return;
        replaceFileAtomically(templateFile, response.bytes);
    } catch (...) {
        // The refresh is a courtesy: the local template serves as it is.
    }
}

}  // namespace kugel
