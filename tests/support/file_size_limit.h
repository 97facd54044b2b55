#pragma once

#include <sys/resource.h>

#include <csignal>

namespace kugel::test {

// While it lives, no file may grow beyond `bytes`: a write past the limit
// fails (EFBIG) instead of ending the process. The way to make a write fail
// half-way for a test that runs as any user, root included.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

}  // namespace kugel::test
