#include "AtomicFile.h"

#include "FileDescriptor.h"
#include "SettingsLocation.h"

#include <QRandomGenerator>

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel::persist {
namespace {

// Distinct enough that no file a player keeps beside the settings, such as
// "vemlo.ini.backup", is ever taken for a leftover.
constexpr char TempInfix[] = ".saving-";
constexpr char OldLockSuffix[] = ".lock";
constexpr std::string_view OldHelperSuffix = ".rmlock";
constexpr std::string_view TempAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t TempTagLength = 6;
constexpr int TempNameTries = 100;
constexpr mode_t NewFileMode = 0600;
constexpr mode_t PermissionBits = 07777;

std::string baseNameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

// Drawn straight from the kernel in one call: the seeded global generator
// would first fill its whole state, which costs more than the save's name.
std::string tempName(const std::string& target)
{
    std::array<quint32, TempTagLength> draws;
    QRandomGenerator::system()->fillRange(draws.data(), draws.size());
    std::string name = target + TempInfix;
    for (const quint32 draw : draws)
        name += TempAlphabet[draw % TempAlphabet.size()];
    return name;
}

// Nothing was written through a listing, so a failed close loses nothing.
struct CloseListing {
    void operator()(DIR* listing) const { static_cast<void>(closedir(listing)); }
};

bool isTempName(std::string_view name, std::string_view prefix)
{
    if (name.size() != prefix.size() + TempTagLength || name.substr(0, prefix.size()) != prefix)
        return false;
    return name.substr(prefix.size()).find_first_not_of(TempAlphabet) == std::string_view::npos;
}

// Earlier versions locked with a file of their own making, "vemlo.ini.lock",
// and a copy killed while taking over an abandoned one left
// "vemlo.ini.lock.rmlock" behind, or a chain of them. The folder's lock needs
// none of them.
bool isOldLock(std::string_view name, std::string_view lockName)
{
    if (name.substr(0, lockName.size()) != lockName)
        return false;
    for (name.remove_prefix(lockName.size()); name.substr(0, OldHelperSuffix.size()) == OldHelperSuffix;)
        name.remove_prefix(OldHelperSuffix.size());
    return name.empty();
}

// A new file takes the old one's owner, group and permissions, as far as
// this account may give them, so that a file shared through its group stays
// shared whoever saves it; where the folder would give the new file another
// group, the account sets the file's own if it belongs to that group, and
// keeps its own otherwise. A first file stays the player's own, as the rest
// of a configuration folder is.
bool matchPermissions(int fd, const std::string& target)
{
    struct stat old {};
    if (stat(target.c_str(), &old) != 0)
        return errno == ENOENT;
    const bool given = fchown(fd, old.st_uid, old.st_gid) == 0 || fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    if (!given && errno != EPERM)
        return false;
    return fchmod(fd, old.st_mode & PermissionBits) == 0;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A file that cannot be removed now is a leftover the next save removes.
void discard(const std::string& temp)
{
    static_cast<void>(unlink(temp.c_str()));
}

// Makes the rename itself durable. By then the new file is in place and
// every reader sees it, so a folder that cannot be synced (some file systems
// do not support it) is no reason to tell the player the save failed: it did
// happen, and a second try would only enter a result twice.
void syncFolder(const std::string& folder)
{
    FileDescriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid())
        static_cast<void>(fsync(directory.get()));
}

// Under a name made anew for each try, so that a name in use is never
// taken over.
std::optional<std::string> createTemp(const std::string& target, std::string_view bytes)
{
    for (int attempt = 0; attempt < TempNameTries; ++attempt) {
        const std::string temp = tempName(target);
        FileDescriptor file(open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, NewFileMode));
        if (!file.valid() && errno == EEXIST)
            continue;
        if (!file.valid())
            return std::nullopt;
        if (matchPermissions(file.get(), target) && writeAll(file.get(), bytes) && fdatasync(file.get()) == 0 &&
            file.close())
            return temp;
        discard(temp);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

bool replaceFile(const std::string& target, std::string_view bytes)
{
    const std::optional<std::string> temp = createTemp(target, bytes);
    if (!temp)
        return false;
    if (rename(temp->c_str(), target.c_str()) != 0) {
        discard(*temp);
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

void removeLeftovers(const std::string& target)
{
    const std::string folder = folderOf(target);
    const std::string prefix = baseNameOf(target) + TempInfix;
    const std::string lockName = baseNameOf(target) + OldLockSuffix;
    const std::unique_ptr<DIR, CloseListing> listing(opendir(folder.c_str()));
    if (!listing)
        return;
    while (const dirent* entry = readdir(listing.get())) {
        const std::string path = folder + '/' + entry->d_name;
        struct stat info {};
        const bool leftover = isTempName(entry->d_name, prefix) || isOldLock(entry->d_name, lockName);
        if (leftover && lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            discard(path);
    }
}

} // namespace quorvel::persist
