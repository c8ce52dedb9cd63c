#pragma once

#include "Game.h"
#include "TileSpots.h"

#include <QWidget>

namespace quorvel::ui {

class Pictures;

// The well and the preview beside it. It keeps the tiles it last showed and
// paints only those; between its tiles, in the one-pixel gaps and where the
// Floor row has no tile, the client area's background shows through.
// Assistive technology finds it as a picture named "Well", described by
// where the piece is and what comes next. It takes no clicks.
class Well final : public QWidget {
    Q_OBJECT

public:
    Well(const Game& game, const Pictures& pictures, QWidget* parent);

    // Shows the game's board and preview before returning, painting only the
    // tiles that changed.
    void showBoard();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Describe();

    const Game& game_;
    const Pictures& pictures_;
    ShownTiles shown_;
};

} // namespace quorvel::ui
