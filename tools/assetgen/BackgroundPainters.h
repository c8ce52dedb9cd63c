#pragma once

#include "Noise.h"

#include <QImage>

namespace quorvel::assetgen {

// Each fills a whole background tile; the caller brings its mean colour
// onto the wanted one afterwards.
void PaintMeadow(QImage& image, int scale, Rng& rng);
void PaintLeafLitter(QImage& image, int scale, Rng& rng);
void PaintCloverFloor(QImage& image, int scale, Rng& rng);
void PaintWater(QImage& image, int scale, Rng& rng);
void PaintTallGrass(QImage& image, int scale, Rng& rng);

} // namespace quorvel::assetgen
