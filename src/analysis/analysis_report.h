#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/message_table.h"

namespace kugel {

class TForm1;

// Marks one of the historical analyses as running for its lifetime, on
// every way out. While one runs, neither starts again: both hand control to
// the event loop, where a second click would otherwise start a replay
// inside the first.
class AnalysisRun {
  public:
    explicit AnalysisRun(TForm1& form);
    ~AnalysisRun();
    AnalysisRun(const AnalysisRun&) = delete;
    AnalysisRun& operator=(const AnalysisRun&) = delete;

  private:
    TForm1& form_;
};

// The three messages of the question before an analysis: its caption, and
// the text before and after the end date it starts from.
struct AnalysisQuestion {
    Msg caption;
    Msg before;
    Msg after;
};

// The opening both analyses share: nothing while an analysis or a
// calculation runs, else the question whether to start from the end date
// (the ticket's rows will be replaced). True when the user says yes.
bool askBeforeAnalysis(TForm1& form, const AnalysisQuestion& question);

// The report "Test.rtf" in the program directory.
std::filesystem::path reportPath(const TForm1& form);

// Writes the lines in the ANSI code page with CR LF, replacing an older
// file whole. Throws FileError when the file cannot be written.
void writeReport(const std::filesystem::path& target, const std::vector<std::string>& lines);

// Puts the lines into RichEdit1, saves them as "Test.rtf" in the program
// directory (plain text in the ANSI code page with CR LF, replacing an older
// report whole) and opens the file with the program registered for it.
// Throws FileError when the report cannot be written.
void saveAndOpenReport(TForm1& form, std::vector<std::string> lines);

}  // namespace kugel
