#pragma once

#include "Board.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorvel {

// A block that a landing cleared: where it stood when it vanished, its kind,
// and the step of the chain that cleared it (0 for the lines the landing
// made itself, 1 for those the first settling made, and so on).
struct ClearedBlock {
    int column;
    int row;
    int32_t kind;
    int step;
};

// A block that rose in its column to close the gaps a step of the chain
// left below it.
struct RisenBlock {
    int column;
    int fromRow;
    int toRow;
    int32_t kind;
    int step;
};

// The cells of the play area alone, [column - FirstColumn][row - LaunchRow].
using PlayArea = std::array<std::array<int32_t, RowCount>, ColumnCount>;

// Everything one landing cleared, with every step of its chain: the play
// area as it stood before each step, the blocks that step cleared and those
// that rose after it; and the points all those blocks won.
struct Clearing {
    std::vector<ClearedBlock> blocks;
    std::vector<RisenBlock> rises;
    std::vector<PlayArea> boards;
    int32_t points = 0;
};

} // namespace quorvel
