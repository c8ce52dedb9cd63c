#pragma once

#include "FileDescriptor.h"

#include <chrono>
#include <string>

namespace quorvel::persist {

// Every save of a file runs under this lock, so that copies of the game
// saving at once take turns. It is a kernel lock (flock) on the folder that
// holds the file, because:
// - every account that may replace the file writes in that folder, and can
//   open it if it may also read it (one that may not is refused the save);
// - the folder stays the same while each save puts a new file in the old
//   one's place;
// - the kernel lets go of the lock when its holder dies, however it dies;
// - no lock file is made, so none is left behind or goes stale.
class SaveLock {
public:
    enum class State {
        Held,
        // The file system gives no lock of a folder (NFS, some FUSE file
        // systems): the save goes ahead without taking turns.
        NotAvailable,
        Refused,
    };

    // Takes the lock of the folder that holds `file`, waiting in the
    // kernel's queue while other copies hold it. A copy that waits gives up
    // only when no other has saved `file` for `patience`: while others save
    // in turn, its own turn is coming. A wait given up keeps nothing: no
    // thread, no descriptor and no lock outlive the constructor.
    SaveLock(const std::string& file, std::chrono::milliseconds patience);
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    State state() const { return state_; }

private:
    FileDescriptor folder_;
    State state_ = State::Refused;
};

} // namespace quorvel::persist
