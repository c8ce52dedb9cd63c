#include "RegularFile.h"

#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quorvel::persist {
namespace {

constexpr std::size_t ReadChunk = 64 * 1024;

bool isRegular(const std::string& path, struct stat& info)
{
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Reads to the end, one byte past the bound at most, so that a file that
// grows while it is read is still caught.
std::optional<std::string> readAll(int fd)
{
    std::string bytes;
    while (bytes.size() <= MaxFileBytes) {
        const std::size_t start = bytes.size();
        bytes.resize(start + ReadChunk);
        const ssize_t got = read(fd, bytes.data() + start, ReadChunk);
        if (got < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        if (got < 0)
            return std::nullopt;
        bytes.resize(start + static_cast<std::size_t>(got));
        if (got == 0)
            return bytes;
    }
    return std::nullopt;
}

bool inGroup(gid_t group)
{
    if (group == getegid())
        return true;
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count <= 0 || getgroups(count, groups.data()) != count)
        return false;
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

} // namespace

FileContents readRegularFile(const std::string& path)
{
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0)
        return {errno == ENOENT ? FileState::Missing : FileState::Unreadable, {}};
    struct stat target {};
    if (!isRegular(path, target) || static_cast<std::size_t>(target.st_size) > MaxFileBytes)
        return {FileState::Unreadable, {}};
    // Non-blocking, in case a FIFO took the file's place since the test.
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat opened {};
    if (!file.valid() || fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || !sameFile(opened, target))
        return {FileState::Unreadable, {}};
    std::optional<std::string> bytes = readAll(file.get());
    if (!bytes || !file.close())
        return {FileState::Unreadable, {}};
    return {FileState::Read, std::move(*bytes)};
}

std::optional<std::string> savePlace(const std::string& path)
{
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0)
        return errno == ENOENT ? std::optional(path) : std::nullopt;
    if (S_ISREG(entry.st_mode))
        return path;
    if (!S_ISLNK(entry.st_mode))
        return std::nullopt;
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
    struct stat target {};
    if (!resolved || lstat(resolved.get(), &target) != 0 || !S_ISREG(target.st_mode))
        return std::nullopt;
    return std::string(resolved.get());
}

bool mayWrite(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    if (info.st_uid == geteuid())
        return (info.st_mode & S_IWUSR) != 0;
    if (inGroup(info.st_gid))
        return (info.st_mode & S_IWGRP) != 0;
    return (info.st_mode & S_IWOTH) != 0;
}

bool hasOneName(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    return info.st_nlink == 1;
}

} // namespace quorvel::persist
