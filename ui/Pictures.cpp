#include "Pictures.h"

#include "Assets.h"

namespace quorvel::ui {

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
    return QPixmap::fromImage(LoadPicture(QLatin1String(path), ratio_));
}

QIcon Pictures::icon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(IconPath(size), QSize(size, size));
    return icon;
}

} // namespace quorvel::ui
