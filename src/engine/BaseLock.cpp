#include "engine/BaseLock.h"

#include "engine/FileError.h"
#include "engine/SaveLeftovers.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace fs = std::filesystem;

BaseLock::BaseLock(const PathResolver& folder, const std::string& busyName,
                   std::chrono::milliseconds patience) {
    const fs::path lockPath = folder.resolve(kLockFile);
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd_ < 0) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd_); // a file system without locks: go on as without a lock file
            fd_ = -1;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            fd_ = -1;
            throw FileError::busy(busyName);
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
    saveleftovers::removeIn(lockPath.parent_path());
}

BaseLock::~BaseLock() {
    if (fd_ >= 0) {
        ::close(fd_); // closing lets go of the lock
    }
}
