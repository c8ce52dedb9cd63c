#pragma once

#include "Board.h"

#include <QPoint>
#include <QRect>

namespace quorvel::ui {

// Where the well and the preview stand on the window's client area, as laid
// out at scale 1; TileGrid (TileSpots.h) maps them to device pixels.
inline constexpr int TileSize = 62;
inline constexpr int TilePitch = 63; // a 1-pixel line of background between tiles
inline constexpr int BoardLeft = 3;
inline constexpr int LaunchRowTop = 571;
inline constexpr int PreviewLeft = 620;
inline constexpr int PreviewTop = 110;

inline constexpr QPoint cellOrigin(int column, int row)
{
    return {TilePitch * (column - FirstColumn) + BoardLeft, LaunchRowTop - TilePitch * (row - LaunchRow)};
}

// Position 1, 2 or 3 of the preview, from the left.
inline constexpr QPoint previewOrigin(int position) { return {TilePitch * position + PreviewLeft, PreviewTop}; }

inline constexpr QRect cellRect(int column, int row) { return {cellOrigin(column, row), QSize(TileSize, TileSize)}; }
inline constexpr QRect previewTileRect(int position) { return {previewOrigin(position), QSize(TileSize, TileSize)}; }

// The background pattern covers this much of the client area; a window
// dragged larger shows its own colour beyond it.
inline constexpr QRect PatternRect{0, 0, 1000, 700};
inline constexpr QSize ClientSize{919, 640};

} // namespace quorvel::ui
