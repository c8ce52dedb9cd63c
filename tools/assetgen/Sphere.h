#pragma once

#include "Colour.h"
#include "Noise.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <functional>

namespace quorvel::assetgen {

// Block tile geometry at scale 1.
constexpr int TileSize = 62;
constexpr double SphereRadius = 30.0;
constexpr uint32_t Lavender = 0xE8E7FE;

// What a pattern painter draws on: a transparent layer over the sphere's own
// colour, holding the skin unrolled around the middle of its visible face. A point d units from the origin lies d sphere
// radii along the surface from that middle, so the rim is at pi / 2 and a
// straight line through the origin stays straight on screen while other
// lines bend round the ball.
struct Surface {
    QImage& image;
    QPainter& painter;
    // One pixel of the scale-1 tile, in surface units.
    double pixel;
    // The layer covers -extent to extent on both axes.
    double extent;
    Rng& rng;
    // The surface point at the centre of texel (x, y) of the image.
    QPointF toSurface(int x, int y) const;
    // Lays a colour over texel (x, y) with the given coverage from 0 to 1.
    void blend(int x, int y, Rgb colour, double coverage);
};

using PatternPainter = std::function<void(Surface&)>;

struct SphereDesign {
    // The mean colour of the finished sphere, as 0xRRGGBB. The colour under
    // the pattern is found from it, so the pattern keeps its own colours.
    uint32_t average;
    uint64_t seed;
    PatternPainter pattern;
};

// Distance from the middle of the visible face to its rim, in surface units.
double rimDistance();

// A pixel of the tile that lies wholly on the sphere, clear of its rim.
bool isOnSphere(int x, int y, int scale);

// What the sphere is drawn on: the empty cell's lavender, as the block
// tiles are, or nothing, for a sphere that stands free on any colour.
enum class Backdrop { Lavender, Clear };

QImage sphereTile(const SphereDesign& design, int scale, Backdrop backdrop = Backdrop::Lavender);
QImage emptyTile(int scale);

} // namespace quorvel::assetgen
