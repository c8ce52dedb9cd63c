#include "Backgrounds.h"

#include "BackgroundPainters.h"
#include "Colour.h"

#include <array>
#include <cstdint>

namespace quorvel::assetgen {

namespace {

struct BackgroundDesign {
    void (*paint)(QImage&, int, Rng&);
    // Mean colour of the tile, as 0xRRGGBB.
    uint32_t average;
    uint64_t seed;
};

constexpr std::array<BackgroundDesign, BackgroundCount> Designs{{
    {paintMeadow, 0x516024, 201},
    {paintLeafLitter, 0x7B502E, 202},
    {paintCloverFloor, 0x383218, 203},
    {paintWater, 0x588EA4, 204},
    {paintTallGrass, 0x495F1C, 205},
}};

} // namespace

QImage backgroundTile(int index, int scale)
{
    const BackgroundDesign& design = Designs[index];
    QImage image(BackgroundSize * scale, BackgroundSize * scale, QImage::Format_RGB32);
    Rng rng(design.seed);
    design.paint(image, scale, rng);
    shiftMeanTo(image, fromHex(design.average), [](int, int) { return true; });
    return image;
}

} // namespace quorvel::assetgen
