#pragma once

#include "Catalogue.h"

#include <QImage>

#include <vector>

namespace quorvel::assetgen {

// Every picture side by side for review: one row per folder at scale 1, and
// under it the same row drawn at twice the size.
QImage contactSheet(const std::vector<Picture>& pictures);

} // namespace quorvel::assetgen
