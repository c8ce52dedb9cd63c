#pragma once

#include "FileDescriptor.h"

#include <chrono>
#include <optional>
#include <string>

namespace quorvel::persist {

// The lock of a file is the file of the same name with this added.
inline constexpr char LockSuffix[] = ".lock";

// Every save of one file runs under this lock, so that copies of the game
// saving at once take turns. It is a kernel lock (flock) on a file of its
// own: the kernel lets go of it when its holder dies, however it dies, so a
// lock nobody holds never stands in the way, and nothing else has to be
// cleaned up after a crash. Only a regular file, opened without following
// links, is ever taken as the lock; anything else at its place refuses the
// save at once. Every account that may write the file may take its lock,
// which has the file's group and permission bits.
class SaveLock {
public:
    // Takes the lock of `file`, waiting up to `wait` while another copy
    // holds it.
    SaveLock(const std::string& file, std::chrono::milliseconds wait);
    // Removes the lock file while still holding it, so that the folder holds
    // nothing of the locking between saves.
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool Held() const { return file_.has_value(); }

private:
    enum class Attempt { Taken, Busy, Refused };
    Attempt tryOnce();

    std::string guarded_;
    std::string path_;
    std::optional<FileDescriptor> file_;
};

} // namespace quorvel::persist
