#include "BlockTiles.h"

#include "BlockPatterns.h"
#include "Sphere.h"

#include <array>

namespace quorvel::assetgen {

namespace {

const std::array<SphereDesign, BlockTileCount - 1>& Designs()
{
    static const std::array<SphereDesign, BlockTileCount - 1> Designs{{
        {0x5180CB, 101, starField},
        {0x49AA63, 102, spikesRoundRing},
        {0xCA4572, 103, thinDiagonalLine},
        {0x9744B6, 104, manyPointedStar},
        {0xD3AC59, 105, jaggedVein},
        {0x9DC4CC, 106, branchingVeins},
        {0x4C6C6C, 107, lichenClusters},
        {0xB18E8D, 108, beadClusters},
        {0x8E6087, 109, goldenBand},
    }};
    return Designs;
}

} // namespace

QImage blockTile(int index, int scale)
{
    if (index == 0)
        return emptyTile(scale);
    return sphereTile(Designs()[index - 1], scale);
}

QImage freeSphere(int index, int scale)
{
    return sphereTile(Designs()[index - 1], scale, Backdrop::Clear);
}

} // namespace quorvel::assetgen
