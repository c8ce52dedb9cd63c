#include "Pictures.h"

#include <QImage>

namespace quorvel::ui {
namespace {

const QRgb FrameWhite = qRgb(255, 255, 255);

// The plates were drawn on white; only their outermost ring is frame, so only
// white there becomes transparent.
QImage ClearFrame(QImage image, int ring)
{
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

Pictures::Pictures(qreal devicePixelRatio) : scale_(devicePixelRatio > 1 ? 2 : 1)
{
    for (int i = 0; i < BlockTiles; ++i)
        blocks_[i] = load(QStringLiteral(":/blocks/%1").arg(i));
    for (int i = 0; i < BackgroundTiles; ++i)
        backgrounds_[i] = load(QStringLiteral(":/backgrounds/%1").arg(i));
}

QPixmap Pictures::load(const QString& path) const
{
    QPixmap picture(scale_ > 1 ? path + QStringLiteral("@2x.png") : path + QStringLiteral(".png"));
    picture.setDevicePixelRatio(scale_);
    return picture;
}

const QPixmap& Pictures::block(int kind) const
{
    return kind >= 0 && kind < BlockTiles ? blocks_[kind] : none_;
}

const QPixmap& Pictures::background(int index) const
{
    return index >= 0 && index < BackgroundTiles ? backgrounds_[index] : none_;
}

QPixmap Pictures::side(const QString& name) const
{
    const QPixmap plate = load(QStringLiteral(":/side/") + name);
    QPixmap clear = QPixmap::fromImage(ClearFrame(plate.toImage(), static_cast<int>(scale_)));
    clear.setDevicePixelRatio(scale_);
    return clear;
}

QPixmap Pictures::icon(int size) const
{
    return QPixmap(QStringLiteral(":/icon/quorvel-%1.png").arg(size));
}

} // namespace quorvel::ui
