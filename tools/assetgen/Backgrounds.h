#pragma once

#include <QImage>

namespace quorvel::assetgen {

constexpr int BackgroundCount = 5;
// Logical size of a background tile; the window repeats it.
constexpr int BackgroundSize = 190;

QImage backgroundTile(int index, int scale);

} // namespace quorvel::assetgen
