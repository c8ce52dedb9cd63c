#include "SaveLock.h"

#include "SettingsLocation.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <pthread.h>
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

// flock has no deadline of its own, so a thread of its own waits in the
// kernel's queue while the save watches the file. A wait given up is cut
// short by a signal to that thread alone, and the thread is always joined:
// a thread left behind in flock would hold its place in the queue until the
// other copy lets go, then take the lock for a moment and refuse a save made
// just then. This real-time signal is the game's own: neither Qt nor the
// game uses it for anything else.
int interruption()
{
    return SIGRTMIN + 4;
}

// Its handler does nothing; installed without SA_RESTART, it only makes a
// waiting flock return EINTR. Installed once, for the whole program.
bool interruptionInstalled()
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        return sigaction(interruption(), &action, nullptr) == 0;
    }();
    return installed;
}

struct Turn {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<int> error;
    // Checked around flock: the signal may come before the thread is in it.
    std::atomic<bool> givenUp = false;
};

void waitForTurn(int folder, Turn& turn)
{
    // The thread takes the signal mask of the one that made it.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, interruption());
    pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
    int error = EINTR;
    while (error == EINTR && !turn.givenUp)
        error = flock(folder, LOCK_EX) == 0 ? 0 : errno;
    const std::lock_guard lock(turn.mutex);
    turn.error = error;
    turn.done.notify_one();
}

// Whether the turn came before `file` went unchanged for `patience`.
bool turnCame(Turn& turn, const std::string& file, std::chrono::milliseconds patience)
{
    std::unique_lock lock(turn.mutex);
    for (FileVersion seen = versionOf(file); !turn.done.wait_for(lock, patience, [&] { return turn.error.has_value(); });) {
        const FileVersion now = versionOf(file);
        if (now == seen)
            return false;
        seen = now;
    }
    return true;
}

// The signal is sent again until the thread has finished, since one sent
// just before it entered flock is lost.
void interruptUntilDone(std::thread& waiter, Turn& turn)
{
    constexpr std::chrono::milliseconds SignalEvery(1);
    turn.givenUp = true;
    std::unique_lock lock(turn.mutex);
    do
        pthread_kill(waiter.native_handle(), interruption());
    while (!turn.done.wait_for(lock, SignalEvery, [&] { return turn.error.has_value(); }));
}

// Takes the lock of `folder` in the kernel's queue. A wait given up leaves
// the lock as the thread left it, perhaps taken at the last moment: the
// caller closes the folder to let go of it.
int waitInQueue(int folder, const std::string& file, std::chrono::milliseconds patience)
{
    if (!interruptionInstalled())
        return EAGAIN;
    Turn turn;
    std::thread waiter;
    try {
        waiter = std::thread(waitForTurn, folder, std::ref(turn));
    } catch (const std::system_error&) {
        return EAGAIN;
    }
    const bool came = turnCame(turn, file, patience);
    if (!came)
        interruptUntilDone(waiter, turn);
    waiter.join();
    return came ? *turn.error : ETIMEDOUT;
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
    // The waiting thread may have taken the lock just as the wait was given
    // up; the folder is open only here, so closing it lets go of the lock.
    if (error == ETIMEDOUT)
        folder_.close();
}

} // namespace quorvel::persist
