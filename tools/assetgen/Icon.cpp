#include "Icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace quorvel::assetgen {

namespace {

// The icon's proportions, as parts of its size.
constexpr double OutlineShare = 1.0 / 16.0;
constexpr double CornerShare = 0.2;
constexpr double InnerLeft = 0.3125;
constexpr double InnerTop = 0.34375;
constexpr double InnerRight = 0.6875;
constexpr double InnerBottom = 0.65625;
constexpr int SvgGrid = 32;
const char* const YellowTop = "#FFE640";
const char* const YellowBottom = "#F2B100";

int Snap(double share, int size)
{
    return static_cast<int>(std::lround(share * size));
}

} // namespace

QImage IconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const double outline = std::max(1, Snap(OutlineShare, size));
    const double corner = CornerShare * size;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outer;
    outer.addRoundedRect(QRectF(0.0, 0.0, size, size), corner, corner);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(outline, outline, size - 2.0 * outline, size - 2.0 * outline), corner - outline, corner - outline);
    painter.fillPath(outer, Qt::black);
    QLinearGradient yellow(0.0, outline, 0.0, size - outline);
    yellow.setColorAt(0.0, QColor(YellowTop));
    yellow.setColorAt(1.0, QColor(YellowBottom));
    painter.fillPath(inner, yellow);
    const QRect block(QPoint(Snap(InnerLeft, size), Snap(InnerTop, size)), QPoint(Snap(InnerRight, size) - 1, Snap(InnerBottom, size) - 1));
    painter.fillRect(block, Qt::black);
    painter.end();
    return image;
}

QString IconSvg()
{
    const double outline = OutlineShare * SvgGrid;
    const double corner = CornerShare * SvgGrid;
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
        .arg(QLatin1String(YellowTop), QLatin1String(YellowBottom))
        .arg(corner)
        .arg(outline)
        .arg(SvgGrid - 2.0 * outline)
        .arg(corner - outline)
        .arg(InnerLeft * SvgGrid)
        .arg(InnerTop * SvgGrid)
        .arg((InnerRight - InnerLeft) * SvgGrid)
        .arg((InnerBottom - InnerTop) * SvgGrid);
}

} // namespace quorvel::assetgen
