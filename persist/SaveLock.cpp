#include "SaveLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorvel::persist {
namespace {

// A save takes a few milliseconds; polling this often keeps a waiting copy's
// turn close behind the one before it.
constexpr std::chrono::milliseconds PollEvery(2);
constexpr mode_t LockFileMode = 0600;

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

SaveLock::SaveLock(std::string path, std::chrono::milliseconds wait) : path_(std::move(path))
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const Attempt attempt = TryOnce();
        if (attempt == Attempt::Taken)
            return;
        file_.reset();
        if (attempt == Attempt::Refused || std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(PollEvery);
    }
}

SaveLock::~SaveLock()
{
    // A lock file that cannot be removed is harmless: nobody holds it once
    // it is closed, and the next save removes it.
    if (file_)
        static_cast<void>(unlink(path_.c_str()));
}

// Looked at before it is opened, so that a FIFO or a device is never opened
// at all; O_NOFOLLOW and O_NONBLOCK cover anything put in its place between
// the look and the open.
SaveLock::Attempt SaveLock::TryOnce()
{
    struct stat entry {};
    if (lstat(path_.c_str(), &entry) == 0 ? !S_ISREG(entry.st_mode) : errno != ENOENT)
        return Attempt::Refused;
    file_.emplace(open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, LockFileMode));
    struct stat opened {};
    if (!file_->Valid() || fstat(file_->Get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return Attempt::Refused;
    if (flock(file_->Get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK || errno == EINTR ? Attempt::Busy : Attempt::Refused;
    // The copy before may have removed the file as it let go of it; a lock
    // on a file no longer at the path would exclude nobody.
    struct stat now {};
    if (lstat(path_.c_str(), &now) != 0 || !SameFile(now, opened))
        return Attempt::Busy;
    return Attempt::Taken;
}

} // namespace quorvel::persist
