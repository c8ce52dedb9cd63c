#include "Catalogue.h"

#include "Backgrounds.h"
#include "BlockTiles.h"
#include "Icon.h"
#include "SidePlates.h"

namespace quorvel::assetgen {

namespace {

constexpr int AboutSphereKind = 9;

} // namespace

std::vector<Picture> catalogue()
{
    std::vector<Picture> pictures;
    for (int index = 0; index < BlockTileCount; ++index)
        pictures.push_back({QStringLiteral("blocks/%1").arg(index), [index](int scale) { return blockTile(index, scale); }, true});
    for (int index = 0; index < BackgroundCount; ++index)
        pictures.push_back({QStringLiteral("backgrounds/%1").arg(index), [index](int scale) { return backgroundTile(index, scale); }, true});
    const auto plate = [](const char* name, PlateSymbol symbol, QSize size, uint64_t seed) {
        return Picture{QStringLiteral("side/") + QLatin1String(name),
                       [=](int scale) { return sidePlate(symbol, size, seed, scale); }, true};
    };
    pictures.push_back(plate("left", PlateSymbol::LeftChevron, QSize(57, 47), 301));
    pictures.push_back(plate("right", PlateSymbol::RightChevron, QSize(57, 47), 302));
    pictures.push_back(plate("cycle", PlateSymbol::Ring, QSize(57, 46), 303));
    pictures.push_back(plate("launch", PlateSymbol::Caret, QSize(106, 46), 304));
    pictures.push_back(plate("plate", PlateSymbol::None, QSize(198, 49), 305));
    // The help box's sphere, block tile 9 without its corners.
    pictures.push_back({QStringLiteral("about/sphere"), [](int scale) { return freeSphere(AboutSphereKind, scale); }, true});
    // Each icon size is drawn for itself; the larger ones serve dense screens.
    for (int size : IconSizes)
        pictures.push_back({QStringLiteral("icon/quorvel-%1").arg(size), [size](int) { return iconImage(size); }, false});
    return pictures;
}

QString fileName(const Picture& picture, int scale)
{
    return scale == SingleScale ? picture.name + QStringLiteral(".png") : picture.name + QStringLiteral("@%1x.png").arg(scale);
}

namespace {

// The pictures drawn at one scale. The program maps its pictures into memory
// as it reads them, and whatever lies near a picture read comes along: kept
// apart, the drawings of the other scale are never in memory.
QString resourceCollection(const std::vector<Picture>& pictures, int scale)
{
    QString text = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n");
    for (const Picture& picture : pictures)
        if (scale == SingleScale || picture.doubled)
            text += QStringLiteral("    <file>%1</file>\n").arg(fileName(picture, scale));
    text += QStringLiteral("</qresource>\n</RCC>\n");
    return text;
}

} // namespace

std::vector<TextFile> textFiles(const std::vector<Picture>& pictures)
{
    return {{QStringLiteral("assets.qrc"), resourceCollection(pictures, SingleScale)},
            {QStringLiteral("doubled.qrc"), resourceCollection(pictures, DoubleScale)},
            {QStringLiteral("icon/quorvel.svg"), iconSvg()}};
}

} // namespace quorvel::assetgen
