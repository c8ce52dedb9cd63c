#pragma once

#include "Board.h"

#include <string>
#include <vector>

namespace quorvel::testing {

// Play areas written as pictures, the way the player sees them: the first
// string is the top row 27, each character one column from 11 on the left,
// '.' an empty cell and a digit a block kind. Rows not given are empty.
using Picture = std::vector<std::string>;

void draw(Board& board, const Picture& picture);
Board boardFrom(const Picture& picture);
// The play area as a picture of all ten rows.
Picture pictureOf(const Board& board);
// Pads a partial picture to all ten rows, for comparing with pictureOf.
Picture fullPicture(Picture picture);

} // namespace quorvel::testing
