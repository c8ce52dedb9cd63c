#include "TileSpots.h"

#include "Geometry.h"

#include <cmath>

namespace quorvel::ui {
namespace {

constexpr int WellRows = FloorRow - LaunchRow + 1;

int spotColumn(int spot) { return FirstColumn + spot / WellRows; }
int spotRow(int spot) { return LaunchRow + spot % WellRows; }
int previewPosition(int spot) { return spot - WellSpots + 1; }

// The device pixel where a run of `count` tiles at `pitch` starts, so that
// it is centred on the run laid out at `start` (client pixels), `extent`
// long.
int centredStart(qreal ratio, int start, int extent, int count, int pitch, int line)
{
    const int deviceExtent = count * pitch - line;
    return qRound(start * ratio + (extent * ratio - deviceExtent) / 2.0);
}

} // namespace

bool isWellSpot(int spot) { return spot < WellSpots; }
int cellSpot(int column, int row) { return (column - FirstColumn) * WellRows + row - LaunchRow; }

TileGrid::TileGrid(qreal ratio)
    : ratio_(ratio), pitch_(qRound(TilePitch * ratio)), tileSize_(pitch_ - std::max(1, qRound(ratio * (TilePitch - TileSize))))
{
    const int line = pitch_ - tileSize_;
    boardOrigin_ = {centredStart(ratio, BoardLeft, ColumnCount * TilePitch - 1, ColumnCount, pitch_, line),
                    centredStart(ratio, cellOrigin(FirstColumn, TopRow).y(), RowCount * TilePitch - 1, RowCount, pitch_, line)};
    previewOrigin_ = {centredStart(ratio, previewOrigin(1).x(), PreviewSpots * TilePitch - 1, PreviewSpots, pitch_, line),
                      centredStart(ratio, PreviewTop, TileSize, 1, pitch_, line)};
}

QRect TileGrid::deviceRect(int spot) const
{
    const QSize size(tileSize_, tileSize_);
    if (isWellSpot(spot))
        return {boardOrigin_ + QPoint(pitch_ * (spotColumn(spot) - FirstColumn), pitch_ * (TopRow - spotRow(spot))), size};
    return {previewOrigin_ + QPoint(pitch_ * (previewPosition(spot) - 1), 0), size};
}

QRect TileGrid::cover(const QRect& device) const
{
    const int left = int(std::floor(device.left() / ratio_));
    const int top = int(std::floor(device.top() / ratio_));
    const int right = int(std::ceil((device.right() + 1) / ratio_));
    const int bottom = int(std::ceil((device.bottom() + 1) / ratio_));
    return {left, top, right - left, bottom - top};
}

QRect TileGrid::boardCover() const
{
    return cover(deviceRect(cellSpot(FirstColumn, FloorRow)).united(deviceRect(cellSpot(LastColumn, LaunchRow))));
}

QRect TileGrid::previewCover() const
{
    return cover(deviceRect(WellSpots).united(deviceRect(SpotCount - 1)));
}

QRect spotRect(int spot)
{
    if (isWellSpot(spot))
        return cellRect(spotColumn(spot), spotRow(spot));
    return previewTileRect(previewPosition(spot));
}

int32_t spotTile(const Game& game, int spot)
{
    if (isWellSpot(spot))
        return game.Cell(spotColumn(spot), spotRow(spot));
    return game.NextPiece()[previewPosition(spot) - 1];
}

QRegion ShownTiles::update(const Game& game, const TileGrid& grid)
{
    QRegion changed;
    for (int spot = 0; spot < SpotCount; ++spot) {
        const int32_t tile = spotTile(game, spot);
        if (any_ && tiles_[spot] == tile)
            continue;
        tiles_[spot] = tile;
        changed += grid.cover(spot);
    }
    any_ = true;
    return changed;
}

} // namespace quorvel::ui
