#include "SaveLock.h"

#include "SettingsLocation.h"

#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>

namespace quorvel::persist {
namespace {

// The answers of a file system that has no flock to give. NFS also answers
// EBADF, since it takes an exclusive lock only on a file open for writing,
// which a folder never is.
bool lockNotAvailable(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL || error == EBADF;
}

SaveLock::State stateAfter(int error)
{
    if (error == 0)
        return SaveLock::State::Held;
    return lockNotAvailable(error) ? SaveLock::State::NotAvailable : SaveLock::State::Refused;
}

struct Wait {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<int> error;
};

// What tells one save from the next: every save puts a new file in the old
// one's place.
struct FileVersion {
    bool operator==(const FileVersion&) const = default;
    int error = 0;
    dev_t device = 0;
    ino_t inode = 0;
    time_t changed = 0;
    long changedNs = 0;
};

FileVersion versionOf(const std::string& file)
{
    struct stat info {};
    if (stat(file.c_str(), &info) != 0)
        return {errno};
    return {0, info.st_dev, info.st_ino, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
}

// flock has no deadline of its own, and a signal to cut it short would
// touch the whole program; so a thread of its own waits in the kernel's
// queue, on a second descriptor of the same open folder, and this one waits
// for that thread. The lock belongs to the open folder, not to a
// descriptor: once both are closed, it is let go. A wait given up thus lets
// go of the lock the moment it gets it.
int waitInQueue(int folder, const std::string& file, std::chrono::milliseconds patience)
{
    const auto second = std::make_shared<FileDescriptor>(fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!second->valid())
        return errno;
    const auto state = std::make_shared<Wait>();
    try {
        std::thread([second, state] {
            int result = 0;
            while ((result = flock(second->get(), LOCK_EX)) != 0 && errno == EINTR) {
            }
            const int error = result == 0 ? 0 : errno;
            second->close();
            const std::lock_guard lock(state->mutex);
            state->error = error;
            state->done.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        return EAGAIN;
    }
    std::unique_lock lock(state->mutex);
    for (FileVersion seen = versionOf(file); !state->done.wait_for(lock, patience, [&] { return state->error.has_value(); });) {
        const FileVersion now = versionOf(file);
        if (now == seen)
            return ETIMEDOUT;
        seen = now;
    }
    return *state->error;
}

} // namespace

SaveLock::SaveLock(const std::string& file, std::chrono::milliseconds patience)
    : folder_(open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (!folder_.valid())
        return;
    int error = flock(folder_.get(), LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
    if (error == EWOULDBLOCK || error == EINTR)
        error = waitInQueue(folder_.get(), file, patience);
    state_ = stateAfter(error);
}

} // namespace quorvel::persist
