// Loaded ahead of the C library into the game, this makes one kind of system
// call on the settings file fail, as a failing disk would. FAIL_CALL names
// the kind: "open" or "write" of the new file, "sync" of it, "rename" over
// the old one, or "lock" for opening the folder to lock it. "flock-enolck"
// and "flock-eopnotsupp" answer every flock as a file system without locks
// does: NFS without its lock service, some FUSE file systems. Every other
// call passes.
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr char TempMark[] = "vemlo.ini.saving-";
constexpr char FolderEnd[] = "/quorvel";
constexpr char FileEnd[] = "/vemlo.ini";

int tempFile = -1;

bool failing(const char* kind)
{
    const char* chosen = std::getenv("FAIL_CALL");
    return chosen && std::strcmp(chosen, kind) == 0;
}

bool endsWith(const char* text, const char* end)
{
    const std::size_t length = std::strlen(text);
    const std::size_t endLength = std::strlen(end);
    return length >= endLength && std::strcmp(text + length - endLength, end) == 0;
}

template <typename Function>
Function nextDefinition(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int refuse(int error)
{
    errno = error;
    return -1;
}

mode_t modeOf(int flags, va_list& rest)
{
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(rest, int)) : 0;
}

// Decides an open of `path`; `open` does it when it is let through.
template <typename Open>
int guard(const char* path, int flags, Open open)
{
    const bool temp = std::strstr(path, TempMark) != nullptr;
    if (temp && failing("open"))
        return refuse(EACCES);
    if (endsWith(path, FolderEnd) && (flags & O_DIRECTORY) != 0 && failing("lock"))
        return refuse(EACCES);
    const int fd = open();
    if (fd >= 0 && temp)
        tempFile = fd;
    return fd;
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = modeOf(flags, rest);
    va_end(rest);
    return guard(path, flags, [&] { return nextDefinition<int (*)(const char*, int, ...)>("open")(path, flags, mode); });
}

// The same call under the name Qt uses for it.
int open64(const char* path, int flags, ...) __attribute__((alias("open")));

ssize_t write(int fd, const void* bytes, size_t count)
{
    if (fd == tempFile && failing("write"))
        return refuse(ENOSPC);
    return nextDefinition<ssize_t (*)(int, const void*, size_t)>("write")(fd, bytes, count);
}

int fdatasync(int fd)
{
    if (fd == tempFile && failing("sync"))
        return refuse(EIO);
    return nextDefinition<int (*)(int)>("fdatasync")(fd);
}

int rename(const char* from, const char* to)
{
    if (endsWith(to, FileEnd) && failing("rename"))
        return refuse(EIO);
    return nextDefinition<int (*)(const char*, const char*)>("rename")(from, to);
}

int flock(int fd, int operation)
{
    if (failing("flock-enolck"))
        return refuse(ENOLCK);
    if (failing("flock-eopnotsupp"))
        return refuse(EOPNOTSUPP);
    return nextDefinition<int (*)(int, int)>("flock")(fd, operation);
}

int close(int fd)
{
    if (fd == tempFile)
        tempFile = -1;
    return nextDefinition<int (*)(int)>("close")(fd);
}

} // extern "C"
