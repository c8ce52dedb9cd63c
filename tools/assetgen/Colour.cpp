#include "Colour.h"

#include <algorithm>
#include <cmath>

namespace quorvel::assetgen {

namespace {

constexpr double ChannelMax = 255.0;
constexpr int ShiftRounds = 6;

int toChannel(double v)
{
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * ChannelMax));
}

} // namespace

Rgb mix(Rgb a, Rgb b, double t)
{
    return a * (1.0 - t) + b * t;
}

Rgb clamped(Rgb c)
{
    return {std::clamp(c.r, 0.0, 1.0), std::clamp(c.g, 0.0, 1.0), std::clamp(c.b, 0.0, 1.0)};
}

Rgb fromHex(uint32_t rgb)
{
    return fromPixel(rgb);
}

Rgb fromPixel(QRgb pixel)
{
    return {qRed(pixel) / ChannelMax, qGreen(pixel) / ChannelMax, qBlue(pixel) / ChannelMax};
}

QRgb toPixel(Rgb c, double alpha)
{
    return qRgba(toChannel(c.r), toChannel(c.g), toChannel(c.b), toChannel(alpha));
}

QColor toColour(Rgb c, double alpha)
{
    return QColor(toChannel(c.r), toChannel(c.g), toChannel(c.b), toChannel(alpha));
}

QColor hexColour(uint32_t rgb, double alpha)
{
    return toColour(fromHex(rgb), alpha);
}

double smoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

Rgb meanColour(const QImage& image, const PixelFilter& include)
{
    Rgb sum;
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (include(x, y)) {
                sum = sum + fromPixel(image.pixel(x, y));
                ++count;
            }
    return count > 0 ? sum * (1.0 / count) : sum;
}

void shiftMeanTo(QImage& image, Rgb target, const PixelFilter& include)
{
    for (int round = 0; round < ShiftRounds; ++round) {
        const Rgb shift = target - meanColour(image, include);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (include(x, y)) {
                    const QRgb pixel = image.pixel(x, y);
                    image.setPixel(x, y, toPixel(fromPixel(pixel) + shift, qAlpha(pixel) / ChannelMax));
                }
    }
}

} // namespace quorvel::assetgen
