#include "output/tip_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <filesystem>

#include "controls/component.h"
#include "draws/draw_display.h"
#include "generation/ticket_editing.h"
#include "generation/ticket_text.h"
#include "model/added_texts.h"
#include "model/main_window.h"
#include "model/ticket_controls.h"
#include "output/ticket_date.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/durable_file.h"

namespace kugel {
namespace {

constexpr const char* kTipExtension = "qlt";
// A full ticket takes a few hundred bytes; anything near this size is some
// other file, and reading it whole would only cost memory.
constexpr std::size_t kMaxTipFileBytes = 1 << 20;

// Lends one of the main window's file dialogs to a tip file operation: the
// tip file's default extension and filter while the operation runs, the
// dialog's own put back on every way out, so a failed save or load cannot
// leave the text export's dialog offering tip files.
class BorrowedDialog {
  public:
    // The filter names tip files in the language in use.
    BorrowedDialog(FileDialog& dialog, const TForm1& form)
        : dialog_(dialog), defaultExt_(dialog.defaultExt), filter_(dialog.filter) {
        dialog_.defaultExt = kTipExtension;
        dialog_.filter = form.msg(AddedText::TipFileKind) + "|*." + kTipExtension;
    }
    ~BorrowedDialog() {
        dialog_.defaultExt = defaultExt_;
        dialog_.filter = filter_;
    }
    BorrowedDialog(const BorrowedDialog&) = delete;
    BorrowedDialog& operator=(const BorrowedDialog&) = delete;

  private:
    FileDialog& dialog_;
    std::string defaultExt_;
    std::string filter_;
};

// A byte below the blank that no text file holds: anything but the tab, the
// line ends and the form feed, and the delete character.
bool isBinaryByte(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7F;
}

bool isBlankLine(const std::string& line) {
    return line.find_first_not_of(" \t\f") == std::string::npos;
}

// A line that reads as a tip row: numbers, commas and blanks only.
bool isTipRowLine(const std::string& line) {
    return !isBlankLine(line) && line.find_first_not_of("0123456789, \t") == std::string::npos;
}

// Whether decoded text can be a tip file: no byte that only binary data
// holds, and at least one line that reads as a row unless every line is
// blank (an empty file stands for an empty ticket).
bool couldBeTipFile(const std::string& text, const std::vector<std::string>& lines) {
    for (const char c : text)
        if (isBinaryByte(static_cast<unsigned char>(c))) return false;
    bool blank = true;
    for (const std::string& line : lines) {
        if (isTipRowLine(line)) return true;
        if (!isBlankLine(line)) blank = false;
    }
    return blank;
}

}  // namespace

std::string proposedTipFileName(double chosenDate) {
    return formatYyyymmdd(std::round(chosenDate + ticketDayOffset(chosenDate))) + "." +
           kTipExtension;
}

TipFields splitTipLine(const std::string& line) {
    TipFields fields;
    std::string rest = line;
    for (int k = 0; k < ZahlenProReihe; ++k) {
        const std::size_t comma = rest.find(',');
        if (comma == std::string::npos) continue;  // empty field, the rest stays
        fields[static_cast<std::size_t>(k)] = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    }
    fields[ZahlenProReihe] = rest;
    return fields;
}

std::vector<std::string> readTipFileLines(const std::string& path) {
    std::vector<std::string> lines = readAllTipFileLines(path);
    if (lines.size() > static_cast<std::size_t>(MaxTipps)) lines.resize(MaxTipps);
    return lines;
}

std::vector<std::string> readAllTipFileLines(const std::string& path) {
    // A directory is no tip file.
    const std::optional<FileStamp> stamp = fileStamp(path);
    if (stamp && S_ISDIR(stamp->mode)) throw FileError(FileOperation::Open, path, EISDIR);
    std::string bytes;
    try {
        bytes = readWholeFile(path, kMaxTipFileBytes);
    } catch (const FileError& e) {
        if (e.operation() != FileOperation::ReadTooLarge) throw;
        throw TextError(AddedText::NotATipFile, {path});
    }
    const std::string text = decodeTextFile(bytes);
    std::vector<std::string> lines = splitLines(text);
    // Loading such a file would only empty the ticket.
    if (!couldBeTipFile(text, lines)) throw TextError(AddedText::TipFileNotText, {path});
    return lines;
}

void saveTicketToTipFile(TForm1& form) {
    FileDialog& dialog = *form.SaveDialog1;
    const BorrowedDialog borrowed(dialog, form);
    dialog.fileName = proposedTipFileName(form.DateTimePicker1->date());
    const auto chosen = form.platform().saveFileDialog(dialog.filter, form.Home + dialog.fileName,
                                                       dialog.defaultExt);
    if (!chosen) return;
    dialog.fileName = *chosen;
    // Written beside the chosen file and then put in its place, so a save
    // that fails half way leaves the file that was there as it was.
    replaceFileAtomically(*chosen, encodeAnsiLines(tipFileLines(form.ticket)));
}

void loadTicketFromTipFile(TForm1& form) {
    {
        FileDialog& dialog = *form.OpenDialog1;
        const BorrowedDialog borrowed(dialog, form);
        const auto chosen =
            form.platform().openFileDialog(dialog.filter, form.Home, dialog.defaultExt);
        if (chosen) {
            dialog.fileName = *chosen;
            // The file is read whole before the ticket changes: a file that
            // cannot be read leaves the ticket as it was.
            const std::vector<std::string> lines = readTipFileLines(*chosen);
            clearUnlockedRows(form);
            for (std::size_t r = 0; r < form.ticket.rows.size(); ++r) {
                const TicketRow& row = form.ticket.rows[r];
                const TipFields fields = splitTipLine(r < lines.size() ? lines[r] : std::string());
                for (std::size_t k = 0; k < row.numbers.size(); ++k)
                    row.numbers[k]->setText(fields[k]);
                row.powerball->setText(fields[ZahlenProReihe]);
            }
        }
    }
    showDrawOfPickedDate(form);
}

void registerTipFileHandlers(TForm1& form) {
    form.addHandler("SpeedButton15Click", [&form](Component*) { saveTicketToTipFile(form); });
    form.addHandler("SpeedButton16Click", [&form](Component*) { loadTicketFromTipFile(form); });
}

}  // namespace kugel
