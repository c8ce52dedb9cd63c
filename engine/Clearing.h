#pragma once

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

// Everything one landing cleared, with every step of its chain, and the
// points those blocks won.
struct Clearing {
    std::vector<ClearedBlock> blocks;
    int32_t points = 0;
};

} // namespace quorvel
