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
constexpr std::chrono::milliseconds pollEvery(2);
constexpr mode_t FirstLockMode = 0600;
constexpr mode_t ReadWriteBits = 0666;
constexpr int OpenFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// flock needs only read access, so an account that may not write the lock
// file, made by another account, opens it for reading.
int openLockFile(const std::string& path, mode_t mode)
{
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | OpenFlags, mode);
    if (fd >= 0 || errno != EACCES)
        return fd;
    return open(path.c_str(), O_RDONLY | OpenFlags);
}

// A lock of this account's making takes the group and the permission bits
// of the file it guards, whatever the folder and the umask would give it,
// so that every account sharing the file through its group can open it. An
// account outside that group cannot give it (EPERM): the lock then stays
// its own, which excludes every other copy all the same.
bool shareLikeFile(int lock, const struct stat& lockInfo, const std::optional<struct stat>& file)
{
    if (!file || lockInfo.st_uid != geteuid())
        return true;
    return fchown(lock, static_cast<uid_t>(-1), file->st_gid) == 0 && fchmod(lock, file->st_mode & ReadWriteBits) == 0;
}

} // namespace

SaveLock::SaveLock(const std::string& file, std::chrono::milliseconds wait)
    : guarded_(file), path_(file + LockSuffix)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const Attempt attempt = tryOnce();
        if (attempt == Attempt::Taken)
            return;
        file_.reset();
        if (attempt == Attempt::Refused || std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(pollEvery);
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
// the look and the open. A lock this account may not even read is taken for
// one another account has just made and not yet opened to the group.
SaveLock::Attempt SaveLock::tryOnce()
{
    struct stat entry {};
    if (lstat(path_.c_str(), &entry) == 0 ? !S_ISREG(entry.st_mode) : errno != ENOENT)
        return Attempt::Refused;
    std::optional<struct stat> guarded;
    if (struct stat info {}; stat(guarded_.c_str(), &info) == 0)
        guarded = info;
    else if (errno != ENOENT)
        return Attempt::Refused;
    file_.emplace(openLockFile(path_, guarded ? guarded->st_mode & ReadWriteBits : FirstLockMode));
    if (!file_->valid())
        return errno == EACCES ? Attempt::Busy : Attempt::Refused;
    struct stat opened {};
    if (fstat(file_->get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return Attempt::Refused;
    if (!shareLikeFile(file_->get(), opened, guarded) && errno != EPERM)
        return Attempt::Refused;
    if (flock(file_->get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK || errno == EINTR ? Attempt::Busy : Attempt::Refused;
    // The copy before may have removed the file as it let go of it; a lock
    // on a file no longer at the path would exclude nobody.
    struct stat now {};
    if (lstat(path_.c_str(), &now) != 0 || !sameFile(now, opened))
        return Attempt::Busy;
    return Attempt::Taken;
}

} // namespace quorvel::persist
