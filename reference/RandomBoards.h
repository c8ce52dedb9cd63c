#pragma once

#include "Board.h"

#include <random>

namespace quorvel::testing {

// Fills the play area at random: each cell holds a block with the given
// chance, of a kind 1..kindCount. With `hanging` every column is pushed up
// into one stack under the Floor row, as boards are in play.
inline Board RandomBoard(std::mt19937& random, int kindCount, double density, bool hanging)
{
    Board board{};
    std::bernoulli_distribution filled(density);
    std::uniform_int_distribution<int> kind(1, kindCount);
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        board[c][FloorRow] = Floor;
        int row = TopRow;
        for (int r = TopRow; r >= LaunchRow; --r) {
            if (!filled(random))
                continue;
            board[c][hanging ? row-- : r] = kind(random);
        }
    }
    return board;
}

} // namespace quorvel::testing
