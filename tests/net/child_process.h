#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kugel::test {

// A program started for a test, its output going to two files. It is
// terminated when the object goes away.
class ChildProcess {
  public:
    ChildProcess(const std::vector<std::string>& argv, const std::filesystem::path& stdoutFile,
                 const std::filesystem::path& stderrFile);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The exit code once the program ended within `limit`; a program killed
    // by a signal reports 128 + the signal number.
    std::optional<int> waitForExit(std::chrono::milliseconds limit);

    // Sends SIGTERM and waits for the exit code.
    std::optional<int> terminate();

  private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

std::string readFile(const std::filesystem::path& file);

// Polls `file` until it contains `text`; false when `limit` passes first.
bool waitForText(const std::filesystem::path& file, const std::string& text,
                 std::chrono::milliseconds limit);

}  // namespace kugel::test
