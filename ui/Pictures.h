#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>

namespace quorvel::ui {

// The game's pictures, each drawn at 1x and at 2x: a screen with a device
// pixel ratio above 1 gets the 2x drawing, so tiles stay crisp. A tile is
// decoded when it is first asked for, so start-up decodes only what the
// first picture shows.
class Pictures {
public:
    // `devicePixelRatio` of the screen the window opens on.
    explicit Pictures(qreal devicePixelRatio);

    // Tile n of the block list, 0 the empty cell; null for any other value.
    const QPixmap& block(int kind) const;
    // Tile n of the background list; null outside 0..4.
    const QPixmap& background(int index) const;
    // A picture of the side column, one of the paths in Assets.h; its outer
    // frame is transparent, so the background shows through.
    QPixmap side(const char* path) const;
    static QIcon icon();

    static constexpr int BlockTiles = 10;
    static constexpr int BackgroundTiles = 5;
    static constexpr int BackgroundTileSize = 190;

private:
    const QPixmap& Loaded(QPixmap& picture, const QString& path) const;

    qreal ratio_;
    mutable std::array<QPixmap, BlockTiles> blocks_;
    mutable std::array<QPixmap, BackgroundTiles> backgrounds_;
    QPixmap none_;
};

} // namespace quorvel::ui
