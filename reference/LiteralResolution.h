#pragma once

#include "Board.h"

#include <cstdint>

namespace quorvel::reference {

// The landing rules exactly as the game's design words them: 80 passes of
// mark, clear and settle, with 100 settling passes each, and every kind
// looked for in all eight directions. Slow and plain on purpose; the engine
// must match it on every board.
int32_t LiteralResolveLanding(Board& board, MarkGrid& marks, int kindCount);

// Step 1 of one literal pass alone; returns how many cells it marked.
int LiteralMarkRuns(const Board& board, MarkGrid& marks, int kindCount);

} // namespace quorvel::reference
