#pragma once

#include "Sphere.h"

namespace quorvel::assetgen {

// The nine block patterns, one per kind. Each has its own shape so that the
// kinds stay apart for players who cannot tell red from green.
void starField(Surface& surface);
void spikesRoundRing(Surface& surface);
void thinDiagonalLine(Surface& surface);
void manyPointedStar(Surface& surface);
void jaggedVein(Surface& surface);
void branchingVeins(Surface& surface);
void lichenClusters(Surface& surface);
void beadClusters(Surface& surface);
void goldenBand(Surface& surface);

} // namespace quorvel::assetgen
