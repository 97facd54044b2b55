#include "online/script_choice_dialog.h"

#include <filesystem>

#include "controls/builder.h"
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

TQCSForm::TQCSForm(Platform& platform) : Form("QCSForm", platform) {
    setCaption("Script für Zahlenübergabe auswählen!");
    setBounds(200, 150, 420, 250);
    setFontHeight(13);
    Builder b(*this);
    bindEvent("OnShow", "FormShow");
    bindEvent("OnClose", "FormClose");

    Label1 = &b.label("Label1", this, {12, 12, 300, 17}, "Quandors Click-Script File");
    LabeledEdit1 = &b.comboBox("LabeledEdit1", this, {12, 32, 360, 23});
    BitBtn1 =
        &b.button("BitBtn1", Kind::BitBtn, this, {378, 31, 30, 25}, "…", "Script-Datei auswählen");
    BitBtn1->bindEvent("OnClick", "BitBtn1Click");
    Label2 = &b.label("Label2", this, {12, 70, 300, 17}, "Parameter ");
    auto labeled = [&](const char* name, const char* caption, int left, int top) {
        b.label(std::string(name) + "Label", this, {left, top, 180, 17}, caption);
        return &b.edit(name, this, {left, top + 18, 180, 21});
    };
    LabeledEdit2 = labeled("LabeledEdit2", "ZAHL1", 12, 94);
    LabeledEdit3 = labeled("LabeledEdit3", "ZAHL2", 216, 94);
    LabeledEdit4 = labeled("LabeledEdit4", "TEXT1", 12, 140);
    LabeledEdit5 = labeled("LabeledEdit5", "TEXT2", 216, 140);
    BitBtn3 = &b.button("BitBtn3", Kind::BitBtn, this, {320, 200, 88, 28}, "Abbrechen");
    BitBtn3->modalResult = DialogResult::Cancel;
    BitBtn2 = &b.button("BitBtn2", Kind::BitBtn, this, {224, 200, 88, 28}, "OK");
    BitBtn2->modalResult = DialogResult::Ok;
    BitBtn2->bindEvent("OnClick", "BitBtn2Click");
    OpenDialog1 = &create<FileDialog>(Kind::OpenDialog, "OpenDialog1", this);
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
