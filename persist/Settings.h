#pragma once

#include "HighScores.h"
#include "WriteError.h"

#include <QString>

namespace quorvel::persist {

inline constexpr int FirstBackground = 0;
inline constexpr int LastBackground = 4;

// Everything the game takes from the file at start-up, as it stands there:
// hand-edited values come back unclamped.
struct StartupSettings {
    ScoreTable table;
    int background = 0;
    int blocks = 0;
    QString playerName;
};

// Never fails; a missing or unreadable file gives the defaults.
StartupSettings readStartup();

int clampBackground(int index);

// Each is one save of its own and throws WriteError when it cannot be made.
// A value out of range is saved clamped, so the file never holds one the
// game wrote.
void writeBackground(int index);
void writeBlocks(int kindCount);
void writePlayerName(const QString& name);

} // namespace quorvel::persist
