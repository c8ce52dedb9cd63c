#pragma once

#include "Game.h"
#include "TileSpots.h"

#include <QWidget>

#include <memory>

namespace quorvel::ui {

class ClientArea;
class Pictures;

// The well and the preview beside it. It keeps the tiles it last showed and
// paints only those that change. It is opaque: in the lines between its
// tiles, where the Floor row has no tile and under the side column it paints
// the client area's background itself, so that a changed tile costs one
// widget's painting, not its parent's as well.
// Tiles stand on whole device pixels (TileGrid).
// Assistive technology finds it as a picture named "Well", described by
// what the last landing cleared, where the piece is and what comes next. It
// takes no clicks. It keeps nothing of the game but the tiles it showed, and
// its share of the pictures, so it can outlive neither; the background in
// its gaps is its parent's, the client area's, whenever it paints.
class Well final : public QWidget {
    Q_OBJECT

public:
    Well(std::shared_ptr<const Pictures> pictures, ClientArea* client);

    // Shows the game's board and preview before returning, painting only the
    // tiles that changed.
    void showBoard(const Game& game);
    // A landing has just cleared blocks: the next description tells of
    // them. The board that follows shows nothing of them.
    void showClearing(int blocks, int32_t points);
    // A new game: the next description tells of no clearing.
    void endClearing();

    const TileGrid& grid() const { return grid_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe(const Game& game);

    void paintGaps(QPainter& painter, const QRegion& region, const QRegion& tiles) const;

    std::shared_ptr<const Pictures> pictures_;
    TileGrid grid_;
    ShownTiles shown_;
    QString cleared_;
};

} // namespace quorvel::ui
