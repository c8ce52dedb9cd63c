#pragma once

#include "Colour.h"

#include <QImage>
#include <QPainter>

#include <functional>

namespace quorvel::assetgen {

// Pictures are designed in scale-1 pixels ("logical" units); a picture at
// scale 2 is drawn afresh with every pixel half as large.
using ColourAt = std::function<Rgb(double x, double y)>;

// Sets every pixel from a function of the logical position of its centre.
void fillByPosition(QImage& image, int scale, const ColourAt& colourAt);

// Starts a smooth painter whose units are logical pixels.
void beginLogical(QPainter& painter, QImage& image, int scale);

// Draws the same strokes once more beside each edge of a square picture of
// the given logical size, so that whatever crosses one edge comes back in at
// the opposite one and the picture repeats without a break. The bounds of
// what is drawn spare the copies that would fall wholly outside. The draw
// function is called several times and must draw the same each time.
void drawWrapped(QPainter& painter, double size, const QRectF& bounds, const std::function<void()>& draw);

// Noise that repeats every `size` logical pixels, with `cells` lattice cells
// across one repeat for its coarsest octave. Result in [0, 1].
double tiledNoise(double x, double y, double size, int cells, uint32_t seed, int octaves);

} // namespace quorvel::assetgen
