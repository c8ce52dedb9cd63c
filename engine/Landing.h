#pragma once

#include "Board.h"

#include <cstdint>

namespace quorvel {

// Clears every straight run of three or more blocks of one kind in the play
// area, lets the blocks below each gap rise to close it, and repeats for the
// chains that follow. Returns the points scored. `marks` must be clear in the
// play area on entry and is left clear.
int32_t ResolveLanding(Board& board, MarkGrid& marks, int kindCount);

} // namespace quorvel
