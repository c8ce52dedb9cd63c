#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace quorvel::assetgen {

constexpr std::array<int, 8> IconSizes{16, 24, 32, 48, 64, 128, 256, 512};

// The program icon drawn afresh for one pixel size, its walls and balls on
// whole pixels.
QImage IconImage(int size);

// The same icon as a scalable picture for the desktop, with plain glossy
// balls.
QString IconSvg();

} // namespace quorvel::assetgen
