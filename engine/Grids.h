#pragma once

#include "Board.h"

namespace quorvel {

// The board and the marks of one game, in pages the system hands out zeroed
// and maps only when first written. The well and its margin lie in a few of
// them; the rest of the two 150-by-150 grids, which the game only ever reads
// as empty, take no memory at all.
class Grids {
public:
    Grids();
    ~Grids();
    Grids(const Grids&) = delete;
    Grids& operator=(const Grids&) = delete;

    Board& board() { return storage_->board; }
    const Board& board() const { return storage_->board; }
    MarkGrid& marks() { return storage_->marks; }

private:
    struct Storage {
        Board board;
        MarkGrid marks;
    };
    Storage* storage_;
};

} // namespace quorvel
