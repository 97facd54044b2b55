#include "shell/language.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "analysis/chance_dialog.h"
#include "analysis/odds_dialog.h"
#include "analysis/prize_dialog.h"
#include "draws/draw_display.h"
#include "model/added_texts.h"
#include "model/main_window.h"
#include "model/manual_entry_dialog.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "platform/codepage.h"
#include "platform/durable_file.h"
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

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The path as it is, or, when it does not exist, the one entry of each
// folder along it whose name differs only in letter case: the master file
// is named "Land\powerball.txt" and the folder "land", and names on this
// file system are case-sensitive.
std::optional<fs::path> findIgnoringCase(const fs::path& path) {
    if (fileStamp(path)) return path;
    std::error_code ec;
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
void walkComponents(const ProgramWindows& windows, Visit visit) {
    for (Form* form : windows.forms())
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

// Texts of the windows that no language file line reaches (the dialogs'
// titles, the date pickers' hints) are added texts; they follow the
// message file just read.
void applyAddedCaptions(TForm1& form) {
    ProgramWindows& windows = form.app();
    windows.form3().setCaption(form.msg(AddedText::EntryDialogTitle));
    windows.form9().setCaption(form.msg(AddedText::PrizeDialogTitle));
    windows.oddsForm().setCaption(form.msg(AddedText::OddsDialogTitle));
    windows.chanceForm().setCaption(form.msg(AddedText::ChanceTitle));
    form.DateTimePicker2->setHint(form.msg(AddedText::StatisticsStartHint));
    form.DateTimePicker1->setHint(form.msg(AddedText::EndDateHint));
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

void registerLanguageHandlers(TForm1& form) {
    for (const Language& l : languages()) {
        const int number = l.number;
        form.addHandler(std::string(l.menuItem) + "Click",
                        [&form, number](Component*) { selectLanguage(form, number); });
    }
    form.addHandler("DateiLaden1Click", [&form](Component*) { applyChosenLanguageFile(form); });
    form.addHandler("Dateispeichern1Click", [&form](Component*) { saveLanguageTemplate(form); });
}

void SpracheSetzen(TForm1& form) {
    if (form.sprache >= 1 && form.sprache <= static_cast<int>(languages().size()))
        selectLanguage(form, form.sprache);
    showDrawOfPickedDate(form);
    showMainNumberFrequency(form);
}

void selectLanguage(TForm1& form, int number) {
    const Language& chosen = languages()[static_cast<std::size_t>(number - 1)];
    form.OpenDialog1->fileName = form.Home + kLanguageFolder + chosen.file;
    for (const Language& l : languages())
        if (auto* item = form.findAs<MenuItem>(l.menuItem)) item->setChecked(l.number == number);
    applyChosenLanguageFile(form);
    form.sprache = number;
    form.platform().languageChanged(chosen.locale);
}

namespace {

// Applies a language file (with its message file beside it) through a master
// file; nothing changes when either is missing.
void applyLanguageFile(TForm1& form, const fs::path& masterPath, const fs::path& languagePath) {
    Platform& platform = form.platform();
    // The text box shows the language file only while it is applied.
    struct HideAtEnd {
        TForm1& form;
        ~HideAtEnd() {
            form.RichEdit1->setVisible(false);
            form.platform().processEvents();
        }
    } hideAtEnd{form};

    const auto master = findIgnoringCase(masterPath);
    if (!master) return;
    if (const auto file = findIgnoringCase(languagePath)) {
        TextEncoding encoding = TextEncoding::Ansi;
        const std::vector<std::string> masterLines = readLines(*master, &encoding);
        form.masterFileEncoding = encoding;
        const std::vector<std::string> languageLines = readLines(*file);
        form.RichEdit1->setLines(languageLines);
        // Held, not shown: the language is applied at every activation,
        // and a text box flashing over the ticket each time would distract.
        platform.processEvents();
        if (const auto messages = findIgnoringCase(file->string() + kMessageSuffix)) {
            // The start-up update shows its notice before the language is
            // first applied; a notice still on show follows the language.
            const std::string notice = form.msg(Msg::NoGuarantee);
            applyMessageFile(readLines(*messages), *form.Memo2, form.addedTexts);
            applyAddedCaptions(form);
            const auto& panels = form.StatusBar1->panels();
            if (panels.size() > 1 && !notice.empty() && panels[1].text == notice)
                form.StatusBar1->setPanelText(1, form.msg(Msg::NoGuarantee));
        }
        applyLanguageLines(form, masterLines, languageLines);
    }
    form.Tippsberechnen = form.ticket.BitBtn4->caption();
}

}  // namespace

void applyChosenLanguageFile(TForm1& form) {
    applyLanguageFile(form, fs::path(form.Home) / kMasterFolder / kMasterFile,
                      form.OpenDialog1->fileName);
}

bool applyLanguageFrom(TForm1& form, const Language& language, const std::string& directory) {
    const fs::path dir(directory);
    const auto master = findIgnoringCase(dir / kMasterFolder / kMasterFile);
    const auto file = findIgnoringCase(dir / kLanguageFolder / language.file);
    if (!master || !file) return false;
    applyLanguageFile(form, *master, *file);
    return true;
}

LanguageTemplate writeLanguageTemplate(const ProgramWindows& windows) {
    LanguageTemplate out;
    walkComponents(windows, [&](const Component& c) {
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

std::string encodeMasterFile(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return utf8ToAnsi(text);
}

void saveLanguageTemplate(TForm1& form) {
    const FileDialog& dialog = *form.SaveDialog1;
    const auto chosen =
        form.platform().saveFileDialog(dialog.filter, dialog.fileName, dialog.defaultExt);
    if (!chosen) return;
    const LanguageTemplate t = writeLanguageTemplate(form.app());
    const fs::path master(*chosen);
    replaceFileAtomically(master, encodeMasterFile(t.master));
    const fs::path language(*chosen + kTemplateSuffix);
    replaceFileAtomically(language, encodeTextLines(t.language, TextEncoding::Utf16LE));
}

}  // namespace kugel
