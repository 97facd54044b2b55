#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace kugel::test {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr auto kTerminateLimit = std::chrono::seconds(10);

void redirect(const std::filesystem::path& file, int target) {
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        dup2(fd, target);
        close(fd);
    }
}

int exitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::filesystem::path& stdoutFile,
                           const std::filesystem::path& stderrFile) {
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid_ == 0) {
        // A test that crashes must not leave its servers running.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        redirect(stdoutFile, STDOUT_FILENO);
        redirect(stderrFile, STDERR_FILENO);
        execv(args[0], args.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (!exitCode_) {
        terminate();
    }
    if (!exitCode_) {
        kill(pid_, SIGKILL);
        waitForExit(kTerminateLimit);
    }
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!exitCode_) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            exitCode_ = exitCodeOf(status);
        } else if (done < 0 || std::chrono::steady_clock::now() >= deadline) {
            break;
        } else {
            std::this_thread::sleep_for(kPollInterval);
        }
    }
    return exitCode_;
}

std::optional<int> ChildProcess::terminate() {
    if (!exitCode_) {
        kill(pid_, SIGTERM);
    }
    return waitForExit(kTerminateLimit);
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool waitForText(const std::filesystem::path& file, const std::string& text,
                 std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (readFile(file).find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

}  // namespace kugel::test
