#pragma once

#include "ClearEffect.h"
#include "Game.h"
#include "TileSpots.h"

#include <QWidget>

namespace quorvel::testing {
class WindowAccess;
}

namespace quorvel::ui {

class ClientArea;
class Pictures;

// The well and the preview beside it. It keeps the tiles it last showed and
// paints only those that change. It is opaque: in the lines between its
// tiles, where the Floor row has no tile and under the side column it paints
// the client area's background itself, so that a changed tile costs one
// widget's painting, not its parent's as well.
// Tiles stand on whole device pixels (TileGrid). For a moment after a
// landing that cleared blocks it replays the landing's chain (ClearEffect).
// Assistive technology finds it as a picture named "Well", described by
// what the last landing cleared, where the piece is and what comes next. It
// takes no clicks.
class Well final : public QWidget {
    Q_OBJECT

public:
    Well(const Game& game, const Pictures& pictures, ClientArea* client);

    // Shows the game's board and preview before returning, painting only the
    // tiles that changed.
    void showBoard();
    // Replays the chain of a landing that has just cleared blocks; the next
    // description tells of them.
    void showClearing(const Clearing& clearing);
    // Ends the replay at once: the well shows the game as it is.
    void endReplay();
    // A new game ends the replay, and the next description tells of no
    // clearing.
    void endClearing();

    const TileGrid& grid() const { return grid_; }
    const ClearEffect& clearEffect() const { return effect_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Plays the same game with the replay off, to compare.
    friend class quorvel::testing::WindowAccess;

    void describe();

    void paintGaps(QPainter& painter, const QRegion& region, const QRegion& tiles) const;

    const Game& game_;
    const ClientArea& client_;
    const Pictures& pictures_;
    TileGrid grid_;
    ShownTiles shown_;
    ClearEffect effect_;
    QString cleared_;
    bool effectOn_ = true;
};

} // namespace quorvel::ui
