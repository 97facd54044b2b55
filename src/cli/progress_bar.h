#pragma once

#include <chrono>
#include <string>

namespace kugel::cli {

// Whether a progress bar may be drawn at all: standard error is a terminal
// that understands cursor control (not TERM=dumb), and the user did not ask
// for none (--no-progress). A log or a pipe never gets one.
bool progressWanted(bool noProgress);
// Whether results written to standard output land on the terminal: a command
// that writes them while it works draws no bar then, the results show the
// progress themselves and a bar would run into them.
bool standardOutputIsTerminal();

// A progress bar on standard error for long work, redrawn a few times a
// second at most. finish() wipes it before the results are written, so it
// never runs into them.
class ProgressBar {
  public:
    ProgressBar(std::string label, bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(long long done, long long total);
    // Wipes the bar for good: nothing is drawn any more.
    void finish();

  private:
    std::string label_;
    bool enabled_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace kugel::cli
