#include "TileSpots.h"

#include "Geometry.h"

namespace quorvel::ui {
namespace {

constexpr int WellRows = FloorRow - LaunchRow + 1;

int SpotColumn(int spot) { return FirstColumn + spot / WellRows; }
int SpotRow(int spot) { return LaunchRow + spot % WellRows; }
int PreviewPosition(int spot) { return spot - WellSpots + 1; }

} // namespace

QRect SpotRect(int spot)
{
    if (spot < WellSpots)
        return CellRect(SpotColumn(spot), SpotRow(spot));
    return PreviewTileRect(PreviewPosition(spot));
}

int32_t SpotTile(const Game& game, int spot)
{
    if (spot < WellSpots)
        return game.Cell(SpotColumn(spot), SpotRow(spot));
    return game.NextPiece()[PreviewPosition(spot) - 1];
}

QRegion ShownTiles::Update(const Game& game)
{
    QRegion changed;
    for (int spot = 0; spot < SpotCount; ++spot) {
        const int32_t tile = SpotTile(game, spot);
        if (any_ && tiles_[spot] == tile)
            continue;
        tiles_[spot] = tile;
        changed += SpotRect(spot);
    }
    any_ = true;
    return changed;
}

} // namespace quorvel::ui
