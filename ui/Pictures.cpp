#include "Pictures.h"

#include "Assets.h"

#include <QImage>

namespace quorvel::ui {
namespace {

const QRgb FrameWhite = qRgb(255, 255, 255);

// The plates are framed in white; only their outermost ring is frame, so
// only white there becomes transparent.
QImage ClearFrame(QImage image)
{
    const int ring = static_cast<int>(image.devicePixelRatio());
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inRing = x < ring || y < ring || x >= image.width() - ring || y >= image.height() - ring;
            if (inRing && image.pixel(x, y) == FrameWhite)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return image;
}

} // namespace

Pictures::Pictures(qreal devicePixelRatio) : ratio_(devicePixelRatio)
{
    InitialiseAssets();
    for (int i = 0; i < BlockTiles; ++i)
        blocks_[i] = QPixmap::fromImage(LoadPicture(BlockTilePath(i), ratio_));
    for (int i = 0; i < BackgroundTiles; ++i)
        backgrounds_[i] = QPixmap::fromImage(LoadPicture(BackgroundPath(i), ratio_));
}

const QPixmap& Pictures::block(int kind) const
{
    return kind >= 0 && kind < BlockTiles ? blocks_[kind] : none_;
}

const QPixmap& Pictures::background(int index) const
{
    return index >= 0 && index < BackgroundTiles ? backgrounds_[index] : none_;
}

QPixmap Pictures::side(const char* path) const
{
    return QPixmap::fromImage(ClearFrame(LoadPicture(QLatin1String(path), ratio_)));
}

QIcon Pictures::icon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(IconPath(size), QSize(size, size));
    return icon;
}

} // namespace quorvel::ui
