#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel::ui {

// "Easy", "Medium", "Hard" or "Wicked" for 6 to 9 kinds, in the player's
// language. Any other value has
// no text, and the label that would show it keeps what it had.
std::optional<QString> LevelName(int kindCount);

// The four, easiest first: the items of the difficulty group.
QStringList levelNames();

} // namespace quorvel::ui
