#include "Icon.h"

#include "Colour.h"

#include <algorithm>
#include <cmath>

namespace quorvel::assetgen {

namespace {

// The icon's proportions, as parts of its size; every length is rounded to
// whole pixels for each size, so that the straight edges stay sharp down to
// 16 pixels, where the outline is one pixel wide.
constexpr double OutlineShare = 1.0 / 16.0;
constexpr double CornerShare = 0.1875;
constexpr double BlockSide = 0.3125;
constexpr double BlockTop = 0.375;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t YellowTop = 0xFFE23A;
constexpr uint32_t YellowBottom = 0xF5B800;
// Each pixel is sampled on a grid of this many points a side, which smooths
// the rounded corners; the straight edges fall between pixels and stay hard.
// The smallest icon is sampled once a pixel, so its corners are clean steps
// of whole pixels instead of grey smudges.
constexpr int SmoothSamples = 4;
constexpr int PixelExactUpTo = 16;
constexpr int SvgGrid = 64;

struct Layout {
    int size;
    int outline;
    int corner;
    int innerCorner;
    QRect block;
};

int snap(double share, int size)
{
    return static_cast<int>(std::lround(share * size));
}

Layout fit(int size)
{
    const int outline = std::max(1, snap(OutlineShare, size));
    const int corner = std::max(2, snap(CornerShare, size));
    const int side = snap(BlockSide, size);
    const int top = snap(BlockTop, size);
    return {size, outline, corner, std::max(1, corner - outline), QRect(QPoint(side, top), QPoint(size - side - 1, size - top - 1))};
}

// Whether a point lies inside a square from `inset` to `size - inset` with
// corners rounded to `radius`.
bool inRoundedSquare(double x, double y, double size, double inset, double radius)
{
    const double low = inset + radius;
    const double high = size - inset - radius;
    const double dx = x < low ? low - x : (x > high ? x - high : 0.0);
    const double dy = y < low ? low - y : (y > high ? y - high : 0.0);
    if (x < inset || y < inset || x > size - inset || y > size - inset)
        return false;
    return dx * dx + dy * dy <= radius * radius;
}

// The colour of one sample point, and whether the icon covers it.
struct Sample {
    Rgb colour;
    bool covered;
};

Sample sampleAt(const Layout& layout, double x, double y)
{
    const double size = layout.size;
    if (!inRoundedSquare(x, y, size, 0.0, layout.corner))
        return {{}, false};
    const bool inBlock = x >= layout.block.left() && x <= layout.block.right() + 1.0 && y >= layout.block.top() &&
                         y <= layout.block.bottom() + 1.0;
    if (inBlock || !inRoundedSquare(x, y, size, layout.outline, layout.innerCorner))
        return {fromHex(Black), true};
    const double down = (y - layout.outline) / (size - 2.0 * layout.outline);
    return {mix(fromHex(YellowTop), fromHex(YellowBottom), std::clamp(down, 0.0, 1.0)), true};
}

} // namespace

QImage iconImage(int size)
{
    const Layout layout = fit(size);
    const int samples = size <= PixelExactUpTo ? 1 : SmoothSamples;
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            int covered = 0;
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i) {
                    const Sample sample = sampleAt(layout, x + (i + 0.5) / samples, y + (j + 0.5) / samples);
                    if (!sample.covered)
                        continue;
                    sum = sum + sample.colour;
                    ++covered;
                }
            line[x] = covered == 0 ? qRgba(0, 0, 0, 0) : toPixel(sum * (1.0 / covered), static_cast<double>(covered) / (samples * samples));
        }
    }
    return image;
}

QString iconSvg()
{
    const Layout layout = fit(SvgGrid);
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                          "  <defs>\n"
                          "    <linearGradient id=\"yellow\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                          "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%3\"/>\n"
                          "    </linearGradient>\n"
                          "  </defs>\n"
                          "  <rect x=\"0\" y=\"0\" width=\"%1\" height=\"%1\" rx=\"%4\" fill=\"#000000\"/>\n"
                          "  <rect x=\"%5\" y=\"%5\" width=\"%6\" height=\"%6\" rx=\"%7\" fill=\"url(#yellow)\"/>\n"
                          "  <rect x=\"%8\" y=\"%9\" width=\"%10\" height=\"%11\" fill=\"#000000\"/>\n"
                          "</svg>\n")
        .arg(SvgGrid)
        .arg(hexColour(YellowTop).name(), hexColour(YellowBottom).name())
        .arg(layout.corner)
        .arg(layout.outline)
        .arg(SvgGrid - 2 * layout.outline)
        .arg(layout.innerCorner)
        .arg(layout.block.left())
        .arg(layout.block.top())
        .arg(layout.block.width())
        .arg(layout.block.height());
}

} // namespace quorvel::assetgen
