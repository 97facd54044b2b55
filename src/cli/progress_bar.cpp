#include "cli/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kugel::cli {
namespace {

constexpr int kWidth = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

bool progressWanted(bool noProgress) {
    if (noProgress || ::isatty(STDERR_FILENO) != 1) return false;
    const char* term = std::getenv("TERM");
    return term != nullptr && *term != '\0' && std::string_view(term) != "dumb";
}

bool standardOutputIsTerminal() {
    return ::isatty(STDOUT_FILENO) == 1;
}

ProgressBar::ProgressBar(std::string label, bool enabled)
    : label_(std::move(label)), enabled_(enabled) {}

ProgressBar::~ProgressBar() {
    finish();
}

void ProgressBar::update(long long done, long long total) {
    if (!enabled_ || total <= 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ && done < total && now - last_ < kRedrawInterval) return;
    last_ = now;
    drawn_ = true;
    const long long clamped = std::clamp(done, 0LL, total);
    const int filled = static_cast<int>(clamped * kWidth / total);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kWidth, '.');
    std::fprintf(stderr, "\r%s [%s] %lld/%lld", label_.c_str(), bar.c_str(), clamped, total);
    std::fflush(stderr);
}

void ProgressBar::finish() {
    if (drawn_) {
        std::fprintf(stderr, "\r\033[K");
        std::fflush(stderr);
    }
    drawn_ = false;
    enabled_ = false;
}

}  // namespace kugel::cli
