#include "SettingsLocation.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quorvel::persist {
namespace {

constexpr char ConfigHomeVariable[] = "XDG_CONFIG_HOME";
constexpr char HomeVariable[] = "HOME";
constexpr char ConfigUnderHome[] = ".config";
constexpr mode_t NewFolderMode = 0700;
constexpr std::size_t PasswordBufferBytes = 16 * 1024;

// The XDG rules ignore a relative path, which would make the file depend on
// the folder the game happens to be started in.
std::optional<std::string> absoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return std::nullopt;
    return std::string(value);
}

std::optional<std::string> homeFromPasswordDatabase()
{
    std::vector<char> buffer(PasswordBufferBytes);
    passwd entry {};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr || found->pw_dir[0] != '/')
        return std::nullopt;
    return std::string(found->pw_dir);
}

std::string join(std::string folder, const std::string& name)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + name;
}

} // namespace

std::optional<std::string> settingsFileLocation(const char* folderName, const char* fileName)
{
    std::optional<std::string> configHome = absoluteVariable(ConfigHomeVariable);
    if (!configHome) {
        std::optional<std::string> home = absoluteVariable(HomeVariable);
        if (!home)
            home = homeFromPasswordDatabase();
        if (!home)
            return std::nullopt;
        configHome = join(*home, ConfigUnderHome);
    }
    return join(join(*configHome, folderName), fileName);
}

bool makeFolders(const std::string& folder)
{
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode);
    if (errno != ENOENT)
        return false;
    const std::string above = folderOf(folder);
    if (above != folder && !makeFolders(above))
        return false;
    if (mkdir(folder.c_str(), NewFolderMode) == 0)
        return true;
    return errno == EEXIST && stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace quorvel::persist
