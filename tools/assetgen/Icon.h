#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace quorvel::assetgen {

constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};

// The program icon drawn for one pixel size, its edges on whole pixels.
QImage IconImage(int size);

// The same icon as a scalable picture for the desktop.
QString IconSvg();

} // namespace quorvel::assetgen
