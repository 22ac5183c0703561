#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, no file of this process can grow past a few bytes: every larger write fails as
// on a full disk, for root too (unlike a read-only folder, which root writes into all the same).
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes = 16) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};
