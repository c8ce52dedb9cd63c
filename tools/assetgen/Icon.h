#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace quorvel::assetgen {

constexpr std::array<int, 9> IconSizes{16, 22, 24, 32, 48, 64, 128, 256, 512};

// The program icon drawn afresh for one pixel size: a black rounded-square
// outline on yellow round a smaller black rectangle, its straight edges on
// whole pixels.
QImage iconImage(int size);

// The same icon as a scalable picture for the desktop.
QString iconSvg();

} // namespace quorvel::assetgen
