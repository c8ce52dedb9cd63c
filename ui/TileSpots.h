#pragma once

#include "Game.h"

#include <QRect>
#include <QRegion>

#include <array>
#include <cstdint>

namespace quorvel::ui {

// Every place where the well draws a tile: the well's columns from the
// launch row up to the Floor row, then the three preview positions.
inline constexpr int WellSpots = ColumnCount * (FloorRow - LaunchRow + 1);
inline constexpr int PreviewSpots = 3;
inline constexpr int SpotCount = WellSpots + PreviewSpots;

QRect SpotRect(int spot);
// The cell value or preview kind at the place; it doubles as the tile index.
int32_t SpotTile(const Game& game, int spot);

// The tiles as the well last showed them. Every change of the board is
// followed by showing it, so whatever the toolkit repaints in between shows
// these same tiles.
class ShownTiles {
public:
    // The places whose tile differs from the last call's, all of them on the
    // first call; from then on those places count as shown.
    QRegion Update(const Game& game);
    // The tile shown at the place.
    int32_t Tile(int spot) const { return tiles_[spot]; }

private:
    bool any_ = false;
    std::array<int32_t, SpotCount> tiles_{};
};

} // namespace quorvel::ui
