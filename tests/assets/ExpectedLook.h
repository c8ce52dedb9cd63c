#pragma once

#include <array>

namespace quorvel::testing {

constexpr unsigned Lavender = 0xE8E7FE;
constexpr int BlockKinds = 9;
constexpr int TileSize = 62;
constexpr int BackgroundSize = 190;
constexpr int Scales[] = {1, 2};

// The mean colour each block sphere must show, kinds 1 to 9.
constexpr std::array<unsigned, BlockKinds> SphereAverages{0x5180CB, 0x49AA63, 0xCA4572, 0x9744B6, 0xD3AC59,
                                                          0x9DC4CC, 0x4C6C6C, 0xB18E8D, 0x8E6087};
constexpr std::array<unsigned, 5> BackgroundAverages{0x516024, 0x7B502E, 0x383218, 0x588EA4, 0x495F1C};
constexpr std::array<int, 9> IconSizes{16, 22, 24, 32, 48, 64, 128, 256, 512};
// The side column's plates: pale yellow-green round their symbols, with a
// clear white frame one pixel wide at scale 1.
constexpr unsigned PlateColour = 0xD6E68D;
// The help box's sphere is block tile 9.
constexpr int AboutSphereKind = 9;

// How far a mean colour may stray on each channel.
constexpr double AverageTolerance = 12.0;
// The sphere is 60 pixels across; its own pixels are measured clear of the
// smoothed rim.
constexpr double SphereRadius = 30.0;
constexpr double MeasuredRadius = 28.0;

} // namespace quorvel::testing
