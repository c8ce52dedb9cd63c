#pragma once

#include "Noise.h"

#include <QImage>

namespace quorvel::assetgen {

// Each fills a whole background tile; the caller brings its mean colour
// onto the wanted one afterwards.
void paintMeadow(QImage& image, int scale, Rng& rng);
void paintLeafLitter(QImage& image, int scale, Rng& rng);
void paintCloverFloor(QImage& image, int scale, Rng& rng);
void paintWater(QImage& image, int scale, Rng& rng);
void paintTallGrass(QImage& image, int scale, Rng& rng);

} // namespace quorvel::assetgen
