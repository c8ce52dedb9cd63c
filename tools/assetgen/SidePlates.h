#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

namespace quorvel::assetgen {

enum class PlateSymbol { None, LeftChevron, RightChevron, Ring, Caret };

// A bevelled plate of the side column at its logical size. Its outermost
// ring of pixels is left fully transparent white, so the window's background
// shows round the plate.
QImage sidePlate(PlateSymbol symbol, QSize size, uint64_t seed, int scale);

} // namespace quorvel::assetgen
