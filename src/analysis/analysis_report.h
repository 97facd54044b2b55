#pragma once

#include <filesystem>
#include <string>
#include <vector>

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
