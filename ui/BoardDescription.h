#pragma once

#include "Game.h"

#include <QString>

namespace quorvel::ui {

// What a screen reader says of the well: where the piece is, its colours
// from the left, and the colours coming next.
QString boardDescription(const Game& game);

} // namespace quorvel::ui
