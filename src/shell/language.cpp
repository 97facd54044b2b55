#include "shell/language.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "checking/draw_display.h"
#include "controls/builder.h"
#include "platform/codepage.h"
#include "platform/durable_file.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "statistics/number_statistics.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

// The master file, below the program's directory.
constexpr const char* kMasterFolder = "Land";
constexpr const char* kMasterFile = "powerball.txt";
constexpr const char* kLanguageFolder = "land/";
constexpr const char* kMessageSuffix = ".meld";
constexpr const char* kTemplateSuffix = ".trans";
// How many master entries after the last match a component's entry may lie.
constexpr std::size_t kSearchWindow = 11;
// The messages a message file replaces line by line.
constexpr std::size_t kDesignedMessages = 62;
// Keeps the language menu's own items out of every language file.
constexpr int kLanguageMenuTag = 1;

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The path as it is, or, when it does not exist, the one entry of each
// folder along it whose name differs only in letter case: the master file
// is named "Land\powerball.txt" and the folder "land", and names on this
// file system are case-sensitive.
std::optional<fs::path> findIgnoringCase(const fs::path& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    if (!path.has_relative_path() || path.filename().empty()) return std::nullopt;
    const auto parent = findIgnoringCase(path.parent_path());
    if (!parent) return std::nullopt;
    const std::string wanted = lower(path.filename().string());
    for (const auto& entry : fs::directory_iterator(*parent, ec))
        if (lower(entry.path().filename().string()) == wanted) return entry.path();
    return std::nullopt;
}

// Leading and trailing blanks and control characters removed.
std::string trimmedName(const std::string& s) {
    auto isPadding = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(s.begin(), s.end(), isPadding);
    const auto last = std::find_if_not(s.rbegin(), s.rend(), isPadding).base();
    return first < last ? std::string(first, last) : std::string();
}

const std::string& lineAt(const std::vector<std::string>& lines, std::size_t k) {
    static const std::string empty;
    return k < lines.size() ? lines[k] : empty;
}

std::vector<std::string> readLines(const fs::path& path, TextEncoding* encoding = nullptr) {
    const std::string bytes = readWholeFile(path);
    if (encoding) *encoding = detectEncoding(bytes);
    return splitLines(decodeTextFile(bytes));
}

// The kinds of component a language file reaches.
bool translatable(Kind kind) {
    switch (kind) {
        case Kind::MenuItem:
        case Kind::Label:
        case Kind::Panel:
        case Kind::BitBtn:
        case Kind::Button:
        case Kind::SpeedButton:
        case Kind::Form:
        case Kind::CheckBox:
        case Kind::RadioButton:
        case Kind::TabSheet:
        case Kind::RadioGroup:
        case Kind::Edit:
            return true;
        default:
            return false;
    }
}

// Every component of every window, windows in creation order and each
// window's components in creation order: the one order the writer and the
// reader share.
template <typename Visit>
void walkComponents(const Application& app, Visit visit) {
    for (Form* form : app.forms())
        for (const auto& owned : form->components()) visit(*owned);
}

// Whether the writer lists the component.
bool listed(const Component& c) {
    switch (c.kind()) {
        case Kind::MenuItem:
        case Kind::Form:
        case Kind::CheckBox:
        case Kind::RadioButton:
        case Kind::TabSheet:
        case Kind::RadioGroup:
            return true;
        case Kind::Label:
        case Kind::Panel:
            return c.tag() == 0 && (!c.caption().empty() || !c.hint().empty());
        case Kind::BitBtn:
        case Kind::Button:
        case Kind::SpeedButton:
            return c.tag() == 0;
        case Kind::Edit:
            return !c.hint().empty();
        default:
            return false;
    }
}

// The message file replaces the designed messages line by line; what it
// lacks becomes empty.
void applyMessageFile(TForm1& form, const std::vector<std::string>& lines) {
    const auto designedEnd =
        lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), kDesignedMessages));
    form.Memo2->setLines(std::vector<std::string>(lines.begin(), designedEnd));
}

void applyLanguageLines(TForm1& form, const std::vector<std::string>& master,
                        const std::vector<std::string>& language) {
    std::size_t p = 0;
    walkComponents(form.app(), [&](Component& c) {
        if (c.tag() != 0 || !translatable(c.kind())) return;
        const std::string owner = trimmedName(c.owner().name());
        const std::string name = trimmedName(c.name());
        for (std::size_t i = p; i < p + kSearchWindow; ++i) {
            if (trimmedName(lineAt(master, 5 * i)) != owner ||
                trimmedName(lineAt(master, 5 * i + 1)) != name)
                continue;
            p = i;
            try {
                if (c.kind() != Kind::Edit) c.setCaption(lineAt(language, 2 * i));
                c.setHint(lineAt(language, 2 * i + 1));
            } catch (const std::exception&) {
                // One component that cannot take its texts keeps its old ones.
            }
            return;
        }
    });
}

}  // namespace

const std::vector<Language>& languages() {
    static const std::vector<Language> all{
        {1, "Deutsch1", "deutsch", "Power_de.txt"},
        {2, "Englich1", "english", "Power_en.txt"},
        {3, "Franz1", "français", "Power_fr.txt"},
        {4, "Spanisch1", "español", "Power_es.txt"},
        {5, "Italenisch1", "italiano", "Power_it.txt"},
        {6, "Russisch1", "русский", "Power_ru.txt"},
        {7, "Portogiesisch1", "português", "Power_pt.txt"},
        {8, "N2", "中国的", "Power_cn.txt"},
        {9, "Hindi", "हिंदी", "Power_in.txt"},
    };
    return all;
}

void buildLanguageMenu(TForm1& form, Builder& b) {
    MenuItem* menu = form.SpracheLanguage1;
    menu->setTag(kLanguageMenuTag);
    auto item = [&](MenuItem*& field, int number) {
        const Language& l = languages()[static_cast<std::size_t>(number - 1)];
        field = &b.menuItem(l.menuItem, menu, l.caption);
        field->bindEvent("OnClick", std::string(l.menuItem) + "Click");
    };
    item(form.Deutsch1, 1);
    item(form.Englich1, 2);
    item(form.Spanisch1, 4);
    item(form.Portogiesisch1, 7);
    item(form.Franz1, 3);
    item(form.Italenisch1, 5);
    item(form.Russisch1, 6);
    item(form.N2, 8);
    item(form.Hindi, 9);
    // Portuguese, Chinese and Hindi came later and take their names from
    // the language files like everything else.
    for (MenuItem* tagged : {form.Deutsch1, form.Englich1, form.Spanisch1, form.Franz1,
                             form.Italenisch1, form.Russisch1})
        tagged->setTag(kLanguageMenuTag);

    form.N1 = &b.menuItem("N1", menu, "-");
    form.N1->setVisible(false);
    form.Dateispeichern1 = &b.menuItem("Dateispeichern1", menu, "Datei &speichern");
    form.Dateispeichern1->setVisible(false);
    form.Dateispeichern1->bindEvent("OnClick", "Dateispeichern1Click");
    form.DateiLaden1 = &b.menuItem("DateiLaden1", menu, "Datei &laden");
    form.DateiLaden1->setVisible(false);
    form.DateiLaden1->bindEvent("OnClick", "DateiLaden1Click");
}

void registerLanguageHandlers(TForm1& form) {
    for (const Language& l : languages()) {
        const int number = l.number;
        form.addHandler(std::string(l.menuItem) + "Click",
                        [&form, number](Component*) { selectLanguage(form, number); });
    }
    form.addHandler("DateiLaden1Click", [&form](Component*) { DateiLaden1Click(form); });
    form.addHandler("Dateispeichern1Click", [&form](Component*) { Dateispeichern1Click(form); });
}

void SpracheSetzen(TForm1& form) {
    if (form.sprache >= 1 && form.sprache <= static_cast<int>(languages().size()))
        selectLanguage(form, form.sprache);
    SpeedButton5Click(form);
    SpeedButton2Click(form);
}

void selectLanguage(TForm1& form, int number) {
    const Language& chosen = languages()[static_cast<std::size_t>(number - 1)];
    form.OpenDialog1->fileName = form.Home + kLanguageFolder + chosen.file;
    for (const Language& l : languages())
        if (auto* item = form.findAs<MenuItem>(l.menuItem)) item->setChecked(l.number == number);
    DateiLaden1Click(form);
    form.sprache = number;
}

void DateiLaden1Click(TForm1& form) {
    Platform& platform = form.platform();
    // The text box shows the language file only while it is applied.
    struct HideAtEnd {
        TForm1& form;
        ~HideAtEnd() {
            form.RichEdit1->setVisible(false);
            form.platform().processEvents();
        }
    } hideAtEnd{form};

    const auto master = findIgnoringCase(fs::path(form.Home) / kMasterFolder / kMasterFile);
    if (!master) return;
    if (const auto file = findIgnoringCase(form.OpenDialog1->fileName)) {
        TextEncoding encoding = TextEncoding::Ansi;
        const std::vector<std::string> masterLines = readLines(*master, &encoding);
        form.masterEncoding = encoding;
        const std::vector<std::string> languageLines = readLines(*file);
        form.RichEdit1->setLines(languageLines);
        form.RichEdit1->setVisible(true);
        platform.processEvents();
        if (const auto messages = findIgnoringCase(file->string() + kMessageSuffix))
            applyMessageFile(form, readLines(*messages));
        applyLanguageLines(form, masterLines, languageLines);
    }
    form.Tippsberechnen = form.ticket.BitBtn4->caption();
}

LanguageTemplate writeLanguageTemplate(const Application& app) {
    LanguageTemplate out;
    walkComponents(app, [&](const Component& c) {
        if (!listed(c)) return;
        const bool edit = c.kind() == Kind::Edit;
        const std::string& caption = edit ? c.hint() : c.caption();
        const std::string charset =
            c.kind() == Kind::MenuItem ? std::string("1") : std::to_string(c.charset());
        out.master.insert(out.master.end(),
                          {c.owner().name(), c.name(), caption, c.hint(), charset});
        out.language.insert(out.language.end(), {caption, c.hint()});
    });
    return out;
}

void Dateispeichern1Click(TForm1& form) {
    const FileDialog& dialog = *form.SaveDialog1;
    const auto chosen =
        form.platform().saveFileDialog(dialog.filter, dialog.fileName, dialog.defaultExt);
    if (!chosen) return;
    const LanguageTemplate t = writeLanguageTemplate(form.app());
    const fs::path master(*chosen);
    replaceFileAtomically(master, master.string() + ".tmp", encodeAnsiLines(t.master));
    const fs::path language(*chosen + kTemplateSuffix);
    replaceFileAtomically(language, language.string() + ".tmp",
                          encodeLines(t.language, TextEncoding::Utf16LE));
}

}  // namespace kugel
