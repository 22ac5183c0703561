#pragma once

#include "engine/PathResolver.h"

#include <chrono>
#include <string>

// Holds a program folder's base for one read-modify-write: a reply turn that learns, an exit that
// appends its log, a tool that edits the base. Two copies of the program on one folder take turns
// instead of each writing back a file without the other's new lines.
//
// The hold is an advisory lock (flock) on a lock file in "Base", so it ends with the process that
// held it, a crashed one included. A copy waits at most `patience` for the other to let go, then
// reports the base as busy. Where no lock file can be made (a read-only folder, no "Base" at all),
// nothing can be written either, and the hold goes on without one.
//
// On taking the base, temporary files that a save killed mid-way left in "Base" are removed: no
// copy saves into "Base" without holding it, so none of them is in use.
class BaseLock {
public:
    static constexpr std::chrono::milliseconds kPatience{2000};
    // The lock file, in the folder of the base files.
    static constexpr const char* kLockFile = "Base\\.lorintal.lock";

    // Throws FileError "Cannot open file <busyName>: the base is busy ..." when the wait is over.
    BaseLock(const PathResolver& folder, const std::string& busyName,
             std::chrono::milliseconds patience = kPatience);
    ~BaseLock();
    BaseLock(const BaseLock&) = delete;
    BaseLock& operator=(const BaseLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
