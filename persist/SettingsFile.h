#pragma once

#include "IniDocument.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::persist {

// The bare name by which the game knows its file, also the one the player
// sees in the error message.
inline constexpr char FileName[] = "vemlo.ini";

// Worked out afresh at every access, so that a changed XDG_CONFIG_HOME takes
// effect at once. The bytes of the path as the system takes them, and the
// same decoded for showing; nothing, or an empty text, when there is no
// home folder to keep the file in.
std::optional<std::string> settingsFileBytePath();
QString settingsFilePath();

// Never fails: a file that is missing or cannot be read reads as empty, and
// every value then takes its default.
IniDocument readSettingsFile();

// One all-or-nothing action: under the lock of the file, read it, apply
// every change in memory and commit the result once, atomically. Throws
// WriteError, with the file untouched, when any step fails.
void modifySettingsFile(const std::function<void(IniDocument&)>& change);

QString textOr(const IniDocument& document, std::string_view section, std::string_view key, const QString& fallback);
void setText(IniDocument& document, std::string_view section, std::string_view key, const QString& text);

} // namespace quorvel::persist
