#pragma once

#include <optional>
#include <string>

namespace quorvel::persist {

// The settings file of the game's own folder in the configuration home of
// the XDG base-directory rules: XDG_CONFIG_HOME when it is an absolute path,
// else ".config" in the home folder, taken from HOME or, when that is not an
// absolute path, from the password database. The bytes of the environment
// are used as they are, since a folder's name need not be UTF-8. Nothing
// when no home folder can be found at all.
std::optional<std::string> settingsFileLocation(const char* folderName, const char* fileName);

// Makes `folder` and any folder above it that is missing, for the player
// alone as the XDG rules ask. True when it is a folder afterwards.
bool makeFolders(const std::string& folder);

std::string folderOf(const std::string& path);

} // namespace quorvel::persist
