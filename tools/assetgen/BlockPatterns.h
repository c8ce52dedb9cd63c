#pragma once

#include "Sphere.h"

namespace quorvel::assetgen {

// The nine block patterns, one per kind. Each has its own shape so that the
// kinds stay apart for players who cannot tell red from green.
void StarField(Surface& surface);
void SpikesRoundRing(Surface& surface);
void ThinDiagonalLine(Surface& surface);
void ManyPointedStar(Surface& surface);
void JaggedVein(Surface& surface);
void BranchingVeins(Surface& surface);
void LichenClusters(Surface& surface);
void BeadClusters(Surface& surface);
void GoldenBand(Surface& surface);

} // namespace quorvel::assetgen
