#pragma once

#include "Board.h"
#include "Clearing.h"

#include <cstdint>

namespace quorvel {

// Clears every straight run of three or more blocks of one kind in the play
// area, lets the blocks below each gap rise to close it, and repeats for the
// chains that follow. Returns the points scored. `marks` must be clear in the
// play area on entry and is left clear.
int32_t ResolveLanding(Board& board, MarkGrid& marks, int kindCount);
// The same, adding to `cleared`, step by step, the play area before the
// step, the blocks that vanish and those that rise after them; and the
// points to its points.
int32_t ResolveLanding(Board& board, MarkGrid& marks, int kindCount, Clearing& cleared);

} // namespace quorvel
