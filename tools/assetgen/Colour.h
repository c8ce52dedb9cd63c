#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <functional>

namespace quorvel::assetgen {

// A colour with channels from 0 to 1, for shading arithmetic before a pixel
// is rounded into the picture.
struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

Rgb mix(Rgb a, Rgb b, double t);
Rgb clamped(Rgb c);
// From 0xRRGGBB.
Rgb fromHex(uint32_t rgb);
Rgb fromPixel(QRgb pixel);
QRgb toPixel(Rgb c, double alpha = 1.0);
QColor toColour(Rgb c, double alpha = 1.0);
QColor hexColour(uint32_t rgb, double alpha = 1.0);

double smoothStep(double edge0, double edge1, double x);

using PixelFilter = std::function<bool(int x, int y)>;

// Mean of the pixels that the filter lets through.
Rgb meanColour(const QImage& image, const PixelFilter& include);

// Moves the mean of the chosen pixels onto the target by shifting each of
// them by the same amount; a few rounds make up for what clipping at black
// and white takes away.
void shiftMeanTo(QImage& image, Rgb target, const PixelFilter& include);

} // namespace quorvel::assetgen
