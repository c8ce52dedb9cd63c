#include "Colour.h"

#include <algorithm>
#include <cmath>

namespace quorvel::assetgen {

namespace {

constexpr double ChannelMax = 255.0;
constexpr int ShiftRounds = 6;

int ToChannel(double v)
{
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * ChannelMax));
}

} // namespace

Rgb Mix(Rgb a, Rgb b, double t)
{
    return a * (1.0 - t) + b * t;
}

Rgb Clamped(Rgb c)
{
    return {std::clamp(c.r, 0.0, 1.0), std::clamp(c.g, 0.0, 1.0), std::clamp(c.b, 0.0, 1.0)};
}

Rgb FromHex(uint32_t rgb)
{
    return FromPixel(rgb);
}

Rgb FromPixel(QRgb pixel)
{
    return {qRed(pixel) / ChannelMax, qGreen(pixel) / ChannelMax, qBlue(pixel) / ChannelMax};
}

QRgb ToPixel(Rgb c, double alpha)
{
    return qRgba(ToChannel(c.r), ToChannel(c.g), ToChannel(c.b), ToChannel(alpha));
}

QColor ToColour(Rgb c, double alpha)
{
    return QColor(ToChannel(c.r), ToChannel(c.g), ToChannel(c.b), ToChannel(alpha));
}

QColor HexColour(uint32_t rgb, double alpha)
{
    return ToColour(FromHex(rgb), alpha);
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

Rgb MeanColour(const QImage& image, const PixelFilter& include)
{
    Rgb sum;
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (include(x, y)) {
                sum = sum + FromPixel(image.pixel(x, y));
                ++count;
            }
    return count > 0 ? sum * (1.0 / count) : sum;
}

void ShiftMeanTo(QImage& image, Rgb target, const PixelFilter& include)
{
    for (int round = 0; round < ShiftRounds; ++round) {
        const Rgb shift = target - MeanColour(image, include);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (include(x, y)) {
                    const QRgb pixel = image.pixel(x, y);
                    image.setPixel(x, y, ToPixel(FromPixel(pixel) + shift, qAlpha(pixel) / ChannelMax));
                }
    }
}

} // namespace quorvel::assetgen
