#pragma once

#include "HighScores.h"
#include "WriteError.h"

#include <QString>

#include <optional>

namespace quorvel::persist {

inline constexpr int EasyLevel = 6;
inline constexpr int WickedLevel = 9;
inline constexpr int FirstBackground = 0;
inline constexpr int LastBackground = 4;

// "Easy", "Medium", "Hard" or "Wicked" for 6 to 9. Any other value has no
// text, and the label that would show it keeps what it had.
std::optional<QString> LevelName(int level);

// Everything the game takes from the file at start-up, as it stands there:
// hand-edited values come back unclamped.
struct StartupSettings {
    ScoreLines lines;
    ScoreTable scores{};
    int background = 0;
    int blocks = 0;
    QString playerName;
};

// Never fails; a missing or unreadable file gives the defaults.
StartupSettings ReadStartup();

int ClampBackground(int index);

// Each is one save of its own and throws WriteError when it cannot be made.
// A value out of range is saved clamped, so the file never holds one the
// game wrote.
void WriteBackground(int index);
void WriteBlocks(int kindCount);
void WritePlayerName(const QString& name);

} // namespace quorvel::persist
