#include "cli/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace kugel::cli {
namespace {

constexpr int kWidth = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

ProgressBar::ProgressBar(std::string label)
    : label_(std::move(label)), enabled_(::isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar() {
    if (drawn_) std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
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

}  // namespace kugel::cli
