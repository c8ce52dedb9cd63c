#pragma once

#include <QImage>

namespace quorvel::assetgen {

// Tile 0 is the empty cell, tiles 1 to 9 the block kinds.
constexpr int BlockTileCount = 10;

QImage blockTile(int index, int scale);
// The sphere of block tile 1 to 9 alone, its rim smoothed into transparency
// instead of into the lavender corners.
QImage freeSphere(int index, int scale);

} // namespace quorvel::assetgen
