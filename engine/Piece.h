#pragma once

#include "Board.h"

#include <array>

namespace quorvel {

struct Block {
    BlockKind kind = 0;
    int32_t column = 0;
    int32_t row = 0;
};

// Blocks 1, 2, 3 from the left as dealt, held at indices 0, 1, 2.
using Piece = std::array<Block, 3>;
using NextPiece = std::array<BlockKind, 3>;

inline constexpr int SpawnColumn = 14;

} // namespace quorvel
