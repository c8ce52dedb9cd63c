#pragma once

#include "Board.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// A board as it stands when a landing is resolved, with the difficulty it
// was dealt at.
struct PlayBoard {
    int kindCount = MinKindCount;
    Board board{};
};

// One board a line: the difficulty, a space and the hundred cells of the
// play area as digits, column by column from the left, each from the launch
// row up.
std::string FormatPlayBoard(const PlayBoard& board);
std::optional<PlayBoard> ParsePlayBoard(const std::string& line);

// The boards of a file written by record_play; empty if the file cannot be
// read or a line is not a board.
std::vector<PlayBoard> ReadPlayBoards(const std::string& path);

} // namespace quorvel
