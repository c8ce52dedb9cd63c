#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace quorvel {

// Resource paths of the pictures at scale 1. Each has a twin drawn at twice
// the size beside it ("3.png" and "3@2x.png"); loadPicture picks between them.
QString blockTilePath(int index);
QString backgroundPath(int index);
inline constexpr const char* LeftButtonPicture = ":/side/left.png";
inline constexpr const char* RightButtonPicture = ":/side/right.png";
inline constexpr const char* CycleButtonPicture = ":/side/cycle.png";
inline constexpr const char* LaunchButtonPicture = ":/side/launch.png";
// The Level and Score plates share one picture.
inline constexpr const char* PlatePicture = ":/side/plate.png";
// The help box's sphere: block tile 9 with its rim smoothed into
// transparency, so it stands free on any colour.
inline constexpr const char* AboutSpherePicture = ":/about/sphere.png";
// The icon comes in the icon theme's standard sizes, ":/icon/quorvel-16.png"
// up to "-512.png".
inline constexpr std::array<int, 9> IconSizes{16, 22, 24, 32, 48, 64, 128, 256, 512};
QString iconPath(int size);

// Makes the pictures built into the program available under ":/". Call it
// once, before the first picture is loaded.
void initialiseAssets();

// The picture at a scale-1 path, in the version that suits a screen of the
// given device pixel ratio: above 1 the twice-as-large twin, marked with
// ratio 2 so that it paints at the same size as the scale-1 picture. A null
// image if there is no such picture.
QImage loadPicture(const QString& path, qreal devicePixelRatio);

} // namespace quorvel
