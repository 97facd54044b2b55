#pragma once

#include <array>
#include <exception>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/message_table.h"

namespace kugel {

class FileError;

// Texts the program adds on its own (file and input errors), numbered after
// the designed messages so that a message file's lines after its 62nd
// translate them. A text may hold the places %1 to %9, which the words of the
// occasion fill (a file name, a line number), so a translation can reorder
// them.
enum class AddedText : int {
    FileCannotCreate = kDesignedMessageCount,  // %1 file, %2 the system's reason
    FileCannotOpen,
    FileCannotRead,
    FileCannotWrite,
    FileCannotReplace,
    NotAnInteger,           // %1 the text that is no whole number
    RepeatedNumbers,        // a draw entered by hand names a number twice
    BadWeightLine,          // %1 file, %2 line number, %3 the line, %4 the highest weight
    DirectoryCannotCreate,  // %1 directory, %2 the system's reason
    CartNotWebAddress,      // the cart service named no web address
    CartAddressTooLong,     // %1 the longest address a browser takes
    NotATipFile,            // %1 file: too large to be a tip file
    NotADecimal,            // %1 the text that is no decimal number
    FileNotRegular,         // %1 a directory, device or pipe given as a file
    FileTooLarge,           // %1 file, %2 the limit in bytes
    DamagedNewestDraw,      // %1 the history file, whose last record has no usable date
    MoreCharsNotShown,      // %1 how many characters of a long text were left out
    SettingUnreadable,      // %1 the stored setting's name
    UpdateStopped,          // a results update ended on the user's stop
    UpdateProgress,         // %1 the week being loaded, %2 the weeks in all
    UpdateNoAnswer,         // %1 the address asked, %2 why it gave no answer
    HostUnknown,            // why a request got no answer ...
    NoConnection,
    ConnectionTimedOut,
    ConnectionBrokenOff,
    TransferFailed,         // %1 the network library's own words
    SearchChartTitle,       // the chart of draws that reached a row's hit count
    ChanceTitle,            // heading of the comparison with chance
    ChanceOfSettings,       // %1 rows the analysis of the settings checked
    ChanceOfSearch,         // %1 rows the history search checked, %2 draws
    ChanceColumns,          // the table's column headings, tab-separated
    ChanceWinningRows,      // %1 observed, %2 expected rows in any prize division
    ChanceChiSquare,        // %1 chi-square, %2 degrees of freedom, %3 p-value
    ChanceMonteCarlo,       // %1 simulated tables, %2 p-value
    ChanceResult,           // %1 the verdict
    ChanceWithin,           // verdict: within what chance gives
    ChanceBetter,           // verdict: %1 p-value
    ChanceWorse,            // verdict: %1 p-value
    ChanceTooFewRows,       // verdict without rows
    ChanceReportFile,       // %1 the comparison's report file
    ChanceOfWholeHistory,   // %1 rows of a ticket checked against every draw, %2 draws
    RebuildCaption,         // the caption of the question before the history is rebuilt
    RebuildQuestion,        // %1 the date of the first draw the rebuilt history holds
    RebuildNotFinished,     // a rebuild that ended early left the history as it was
    SettingsKeptAsStored,   // unreadable stored settings stay as they are
    SettingsCopyKept,       // %1 where a copy of the damaged settings store lies
    TipFileNotText,         // %1 file: holds no text or not one tip row
    RangeInverted,          // %1 the setting, %2 its lower end, %3 its upper end
    PowerballWithoutDraws,  // no draw in the statistics window for the Powerball choice
    EntryDialogTitle,       // the window titles of the program's own dialogs ...
    PrizeDialogTitle,
    OddsDialogTitle,
    TipFileKind,          // the tip files' name in the file dialogs' filter
    CheckTheCart,         // after the cart was handed to the browser
    InstallToolTitle,     // the offer to install the click tool: its title ...
    InstallToolQuestion,  // ... and its question
    StatisticsStartHint,  // the hints of the two date pickers
    EndDateHint,
    ChanceLead,              // %1 rows, %2 rows that won, %3 expected, %4 - %5 the 95 % range
    ChanceMethod,            // %1 simulated periods, %2 draws each, %3 p-value, %4 the level
    ChanceLearned,           // %1 newest draw the ticket was calculated from, %2 such draws
    ChanceAfterCalculation,  // %1 draws after the ticket's calculation, %2 the first one's date
    ChanceNoLaterDraws,      // verdict: no draw after the ticket's calculation
    ChanceRowsMissing,       // %1 rows of the tickets left empty or incomplete
    ChanceRowsChecked,       // %1 rows really checked (the analysis report)
    ChanceRoundsLearned,     // %1 rounds checked against a draw their ticket learned from, %2 rows
    ChanceSettingsStand,     // why the settings analysis's verdict stands
    ListingNotOpened,        // %1 the ticket listing no program opened
    PrintRefused,            // the printer did not take the ticket
    SettingsNotSaved,        // %1 why the settings could not be written
    NoDrawInPeriod,          // %1 start, %2 end of a statistics period without a draw
};
inline constexpr int kAddedTextCount = 71;

constexpr int messageNumber(AddedText t) {
    return static_cast<int>(t);
}

// The current wording of the added texts: the German built-in texts until a
// message file replaces them.
class AddedTexts {
  public:
    AddedTexts();

    const std::string& operator[](AddedText t) const;
    // The text with %1, %2, ... replaced by the words in order; a place
    // without a word stays as written, and words are not searched for places.
    std::string format(AddedText t, std::initializer_list<std::string> words) const;
    std::string format(AddedText t, const std::vector<std::string>& words) const;

    // A message file's lines, line k for message k: the lines after the
    // designed messages replace the added texts they number; a text the file
    // has no line for takes its built-in wording, whatever a file taken
    // before said.
    void takeFrom(const std::vector<std::string>& messageFileLines);

  private:
    std::array<std::string, kAddedTextCount> texts_;
};

// The built-in wording, for errors raised where no window is at hand.
const AddedTexts& builtInAddedTexts();

// An error whose text is an added text: what() gives the built-in wording;
// text() the wording of the language in use, which is what the user sees.
class TextError : public std::runtime_error {
  public:
    TextError(AddedText id, std::vector<std::string> words);
    std::string text(const AddedTexts& texts) const { return texts.format(id_, words_); }

  private:
    AddedText id_;
    std::vector<std::string> words_;
};

// A failed file operation as the user reads it.
std::string fileErrorText(const FileError& e, const AddedTexts& texts);

// Any error as the user reads it: added texts in the language in use, other
// errors with their own text.
std::string errorText(const std::exception& e, const AddedTexts& texts);

}  // namespace kugel
