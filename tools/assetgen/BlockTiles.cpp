#include "BlockTiles.h"

#include "BlockPatterns.h"
#include "Sphere.h"

#include <array>

namespace quorvel::assetgen {

namespace {

const std::array<SphereDesign, BlockTileCount - 1>& Designs()
{
    static const std::array<SphereDesign, BlockTileCount - 1> designs{{
        {0x5180CB, 101, StarField},
        {0x49AA63, 102, SpikesRoundRing},
        {0xCA4572, 103, ThinDiagonalLine},
        {0x9744B6, 104, ManyPointedStar},
        {0xD3AC59, 105, JaggedVein},
        {0x9DC4CC, 106, BranchingVeins},
        {0x4C6C6C, 107, LichenClusters},
        {0xB18E8D, 108, BeadClusters},
        {0x8E6087, 109, GoldenBand},
    }};
    return designs;
}

} // namespace

QImage BlockTile(int index, int scale)
{
    if (index == 0)
        return EmptyTile(scale);
    return SphereTile(Designs()[index - 1], scale);
}

QImage FreeSphere(int index, int scale)
{
    return SphereTile(Designs()[index - 1], scale, Backdrop::Clear);
}

} // namespace quorvel::assetgen
