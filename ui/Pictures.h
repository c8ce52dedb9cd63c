#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>
#include <map>

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
    // A tile as the well draws it. A drawing of one colour throughout, as
    // the empty cell's is, is kept as that colour alone and filled, which
    // costs neither the picture's memory nor a copy of it.
    struct Tile {
        QPixmap picture;
        QColor flat;
        bool isNull() const { return picture.isNull() && !flat.isValid(); }
    };
    // Tile n of the block list as `size` device pixels square, to be drawn
    // pixel for pixel (ratio 1): the scale-1 drawing at 62, the twice-as-large
    // one at 124, and between or beyond them the nearer drawing smoothly
    // scaled, made when first asked for; null for a value without a tile.
    const Tile& tile(int kind, int size) const;
    // Tile n of the background list; null outside 0..4.
    const QPixmap& background(int index) const;
    // A picture of the side column or the help box's sphere, one of the
    // paths in Assets.h; what lies round the plate or the sphere is
    // transparent, so the background shows through.
    const QPixmap& side(const char* path) const;
    // The program's icon in the sizes a window shows it at.
    static QIcon icon();

    static constexpr int BlockTiles = 10;
    static constexpr int BackgroundTiles = 5;
    static constexpr int BackgroundTileSize = 190;
    static constexpr int LargestWindowIcon = 64;

private:
    const QPixmap& loaded(QPixmap& picture, const QString& path) const;

    qreal ratio_;
    mutable std::array<QPixmap, BlockTiles> blocks_;
    mutable std::array<QPixmap, BackgroundTiles> backgrounds_;
    mutable std::map<QString, QPixmap> sides_;
    mutable std::map<int, std::array<Tile, BlockTiles>> tiles_;
    QPixmap none_;
    Tile noTile_;
};

} // namespace quorvel::ui
