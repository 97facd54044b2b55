#pragma once

#include <chrono>
#include <string>

namespace kugel::cli {

// A progress bar on standard error for long work, drawn only when standard
// error is a terminal (never into a log or a pipe), redrawn a few times a
// second at most, and wiped when the work is over.
class ProgressBar {
  public:
    explicit ProgressBar(std::string label);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(long long done, long long total);

  private:
    std::string label_;
    bool enabled_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace kugel::cli
