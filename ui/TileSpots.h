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

QRect spotRect(int spot);
// The board cell at a place of the well, and the place of a board cell.
bool isWellSpot(int spot);
int cellSpot(int column, int row);
// The cell value or preview kind at the place; it doubles as the tile index.
int32_t spotTile(const Game& game, int spot);

// Where the tiles fall in device pixels, on a screen of the given device
// pixel ratio, counted from the client area's top left. Tiles stand at a
// whole-pixel pitch, so that every line between them is equally wide and
// each tile is drawn pixel for pixel from a picture of its own size: the
// pitch is 63 times the ratio rounded, the line the ratio rounded (at least
// one pixel), the tile the rest. At ratios 1 and 2 that is the layout
// exactly; elsewhere the well and the preview keep their centres, a few
// pixels wider or narrower than the exact product.
class TileGrid {
public:
    explicit TileGrid(qreal ratio);

    qreal ratio() const { return ratio_; }
    int pitch() const { return pitch_; }
    int tileSize() const { return tileSize_; }
    QRect deviceRect(int spot) const;
    // The client pixels to repaint for the device pixels of `device`.
    QRect cover(const QRect& device) const;
    QRect cover(int spot) const { return cover(deviceRect(spot)); }
    // In client pixels: what the well's tiles cover, and the preview's.
    QRect boardCover() const;
    QRect previewCover() const;

private:
    qreal ratio_;
    int pitch_;
    int tileSize_;
    QPoint boardOrigin_;   // the top left of column 11, row 27
    QPoint previewOrigin_; // the top left of preview position 1
};

// The tiles as the well last showed them. Every change of the board is
// followed by showing it, so whatever the toolkit repaints in between shows
// these same tiles.
class ShownTiles {
public:
    // The places whose tile differs from the last call's, all of them on the
    // first call, as client pixels to repaint; from then on those places
    // count as shown.
    QRegion update(const Game& game, const TileGrid& grid);
    // The tile shown at the place.
    int32_t tile(int spot) const { return tiles_[spot]; }

private:
    bool any_ = false;
    std::array<int32_t, SpotCount> tiles_{};
};

} // namespace quorvel::ui
