#include "Pictures.h"

#include "Assets.h"
#include "Geometry.h"

#include <algorithm>
#include <optional>

namespace quorvel::ui {
namespace {

// The colour of an opaque drawing that has no other, if it has one.
std::optional<QRgb> onlyColour(const QImage& drawing)
{
    if (drawing.isNull() || drawing.hasAlphaChannel())
        return std::nullopt;
    const QImage pixels = drawing.convertToFormat(QImage::Format_RGB32);
    const QRgb first = pixels.pixel(0, 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        if (std::any_of(line, line + pixels.width(), [first](QRgb pixel) { return pixel != first; }))
            return std::nullopt;
    }
    return first;
}

} // namespace

Pictures::Pictures(qreal devicePixelRatio) : ratio_(devicePixelRatio)
{
    initialiseAssets();
}

const QPixmap& Pictures::loaded(QPixmap& picture, const QString& path) const
{
    if (picture.isNull())
        picture = QPixmap::fromImage(loadPicture(path, ratio_));
    return picture;
}

const QPixmap& Pictures::block(int kind) const
{
    return kind >= 0 && kind < BlockTiles ? loaded(blocks_[kind], blockTilePath(kind)) : none_;
}

const Pictures::Tile& Pictures::tile(int kind, int size) const
{
    if (kind < 0 || kind >= BlockTiles)
        return noTile_;
    Tile& made = tiles_[size][kind];
    if (made.isNull()) {
        const qreal ratio = size > TileSize ? 2.0 : 1.0;
        QImage drawing = loadPicture(blockTilePath(kind), ratio);
        drawing.setDevicePixelRatio(1.0);
        if (drawing.width() != size)
            drawing = drawing.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (const std::optional<QRgb> only = onlyColour(drawing))
            made.flat = QColor::fromRgb(*only);
        else
            made.picture = QPixmap::fromImage(std::move(drawing));
    }
    return made;
}

const QPixmap& Pictures::background(int index) const
{
    return index >= 0 && index < BackgroundTiles ? loaded(backgrounds_[index], backgroundPath(index)) : none_;
}

const QPixmap& Pictures::side(const char* path) const
{
    return loaded(sides_[QLatin1String(path)], QLatin1String(path));
}

// Every size a title bar or a task bar shows at scales 1 and 2, so that the
// window manager finds one drawn for it or close to it rather than scaling a
// distant one. The window system is handed each of them, decoded, at
// start-up; the larger ones, for window switchers and docks, reach the
// desktop through the installed icon theme.
QIcon Pictures::icon()
{
    QIcon icon;
    for (const int size : IconSizes)
        if (size <= LargestWindowIcon)
            icon.addFile(iconPath(size), QSize(size, size));
    return icon;
}

} // namespace quorvel::ui
