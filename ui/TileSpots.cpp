#include "TileSpots.h"

#include "Geometry.h"

#include <cmath>

namespace quorvel::ui {
namespace {

constexpr int WellRows = FloorRow - LaunchRow + 1;

int SpotColumn(int spot) { return FirstColumn + spot / WellRows; }
int SpotRow(int spot) { return LaunchRow + spot % WellRows; }
int PreviewPosition(int spot) { return spot - WellSpots + 1; }

// The device pixel where a run of `count` tiles at `pitch` starts, so that
// it is centred on the run laid out at `start` (client pixels), `extent`
// long.
int CentredStart(qreal ratio, int start, int extent, int count, int pitch, int line)
{
    const int deviceExtent = count * pitch - line;
    return qRound(start * ratio + (extent * ratio - deviceExtent) / 2.0);
}

} // namespace

bool IsWellSpot(int spot) { return spot < WellSpots; }
int CellSpot(int column, int row) { return (column - FirstColumn) * WellRows + row - LaunchRow; }

TileGrid::TileGrid(qreal ratio)
    : ratio_(ratio), pitch_(qRound(TilePitch * ratio)), tileSize_(pitch_ - std::max(1, qRound(ratio * (TilePitch - TileSize))))
{
    const int line = pitch_ - tileSize_;
    boardOrigin_ = {CentredStart(ratio, BoardLeft, ColumnCount * TilePitch - 1, ColumnCount, pitch_, line),
                    CentredStart(ratio, CellOrigin(FirstColumn, TopRow).y(), RowCount * TilePitch - 1, RowCount, pitch_, line)};
    previewOrigin_ = {CentredStart(ratio, PreviewOrigin(1).x(), PreviewSpots * TilePitch - 1, PreviewSpots, pitch_, line),
                      CentredStart(ratio, PreviewTop, TileSize, 1, pitch_, line)};
}

QRect TileGrid::DeviceRect(int spot) const
{
    const QSize size(tileSize_, tileSize_);
    if (IsWellSpot(spot))
        return {boardOrigin_ + QPoint(pitch_ * (SpotColumn(spot) - FirstColumn), pitch_ * (TopRow - SpotRow(spot))), size};
    return {previewOrigin_ + QPoint(pitch_ * (PreviewPosition(spot) - 1), 0), size};
}

QRect TileGrid::Cover(const QRect& device) const
{
    const int left = int(std::floor(device.left() / ratio_));
    const int top = int(std::floor(device.top() / ratio_));
    const int right = int(std::ceil((device.right() + 1) / ratio_));
    const int bottom = int(std::ceil((device.bottom() + 1) / ratio_));
    return {left, top, right - left, bottom - top};
}

QRect TileGrid::BoardCover() const
{
    return Cover(DeviceRect(CellSpot(FirstColumn, FloorRow)).united(DeviceRect(CellSpot(LastColumn, LaunchRow))));
}

QRect TileGrid::PreviewCover() const
{
    return Cover(DeviceRect(WellSpots).united(DeviceRect(SpotCount - 1)));
}

QRect SpotRect(int spot)
{
    if (IsWellSpot(spot))
        return CellRect(SpotColumn(spot), SpotRow(spot));
    return PreviewTileRect(PreviewPosition(spot));
}

int32_t SpotTile(const Game& game, int spot)
{
    if (IsWellSpot(spot))
        return game.Cell(SpotColumn(spot), SpotRow(spot));
    return game.NextPiece()[PreviewPosition(spot) - 1];
}

QRegion ShownTiles::Update(const Game& game, const TileGrid& grid)
{
    QRegion changed;
    for (int spot = 0; spot < SpotCount; ++spot) {
        const int32_t tile = SpotTile(game, spot);
        if (any_ && tiles_[spot] == tile)
            continue;
        tiles_[spot] = tile;
        changed += grid.Cover(spot);
    }
    any_ = true;
    return changed;
}

} // namespace quorvel::ui
