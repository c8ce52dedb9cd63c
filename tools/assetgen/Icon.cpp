#include "Icon.h"

#include "BlockTiles.h"
#include "Colour.h"
#include "Sphere.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace quorvel::assetgen {

namespace {

// The icon is the well seen from the front: a dark wall round the pale
// lavender of the empty cells, and a piece of three balls (block kinds 1, 2
// and 3) rising through it, each on its own, trailing a fading streak.
constexpr int Balls = 3;
constexpr std::array<int, Balls> Kinds{1, 2, 3};
constexpr std::array<uint32_t, Balls> BallColours{0x5180CB, 0x49AA63, 0xCA4572};
// How far up the free height of the well each ball has risen, 0 the bottom.
constexpr std::array<double, Balls> Risen{0.62, 0.9, 0.5};

constexpr double CornerShare = 0.17;
constexpr double WallShare = 0.07;
constexpr double BallShare = 0.27;
constexpr uint32_t WallTop = 0x4A5270;
constexpr uint32_t WallBottom = 0x232839;
constexpr uint32_t WellTop = 0xF4F3FF;
constexpr uint32_t WellBottom = 0xD6D4F2;
constexpr double TrailOpacity = 0.55;
// From this diameter on, the balls are our block tiles themselves, patterns
// and all; smaller ones are plain glossy balls, which read better.
constexpr int PatternedFrom = 24;
constexpr int SvgGrid = 128;

// The icon's geometry in whole pixels for one size, so that walls and balls
// sit on the pixel grid and stay sharp down to 16 pixels.
struct Layout {
    int size;
    int wall;
    double corner;
    int ball;
    std::array<QPoint, Balls> ballAt;
    int floor;
};

Layout Fit(int size)
{
    Layout layout{};
    layout.size = size;
    layout.wall = std::max(1, static_cast<int>(std::lround(WallShare * size)));
    layout.corner = std::max(2.0, std::round(CornerShare * size));
    const int inner = size - 2 * layout.wall;
    layout.ball = static_cast<int>(std::lround(BallShare * size));
    const int gap = (inner - Balls * layout.ball) / (Balls + 1);
    const int margin = (inner - Balls * layout.ball - (Balls - 1) * gap) / 2;
    const int freeHeight = inner - layout.ball - 2 * std::max(1, gap);
    for (int i = 0; i < Balls; ++i) {
        const int x = layout.wall + margin + i * (layout.ball + gap);
        const int y = layout.wall + std::max(1, gap) + static_cast<int>(std::lround((1.0 - Risen[i]) * freeHeight));
        layout.ballAt[i] = QPoint(x, y);
    }
    layout.floor = size - layout.wall;
    return layout;
}

void DrawWell(QPainter& painter, const Layout& layout)
{
    const double size = layout.size;
    QPainterPath outer;
    outer.addRoundedRect(QRectF(0.0, 0.0, size, size), layout.corner, layout.corner);
    QLinearGradient wall(0.0, 0.0, 0.0, size);
    wall.setColorAt(0.0, HexColour(WallTop));
    wall.setColorAt(1.0, HexColour(WallBottom));
    painter.fillPath(outer, wall);
    const double inset = layout.wall;
    const double innerCorner = std::max(1.0, layout.corner - inset);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(inset, inset, size - 2.0 * inset, size - 2.0 * inset), innerCorner, innerCorner);
    QLinearGradient well(0.0, inset, 0.0, size - inset);
    well.setColorAt(0.0, HexColour(WellTop));
    well.setColorAt(1.0, HexColour(WellBottom));
    painter.fillPath(inner, well);
}

void DrawTrail(QPainter& painter, const Layout& layout, int i)
{
    const QPoint at = layout.ballAt[i];
    const double width = std::max(2, layout.ball / 2 / 2 * 2);
    const double left = at.x() + (layout.ball - width) / 2.0;
    const double top = at.y() + layout.ball / 2.0;
    QLinearGradient fade(0.0, top, 0.0, layout.floor);
    fade.setColorAt(0.0, HexColour(BallColours[i], TrailOpacity));
    fade.setColorAt(1.0, HexColour(BallColours[i], 0.0));
    painter.fillRect(QRectF(left, top, width, layout.floor - top), fade);
}

void DrawGlossyBall(QPainter& painter, QRectF box, uint32_t colour)
{
    const Rgb base = FromHex(colour);
    QRadialGradient shade(box.center(), box.width() / 2.0, box.topLeft() + QPointF(0.35 * box.width(), 0.3 * box.height()));
    shade.setColorAt(0.0, ToColour(Mix(base, FromHex(0xFFFFFF), 0.6)));
    shade.setColorAt(0.45, ToColour(base));
    shade.setColorAt(1.0, ToColour(base * 0.62));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(box);
}

void DrawPatternedBall(QPainter& painter, QRectF box, int kind)
{
    const int diameter = static_cast<int>(box.width());
    const int scale = (diameter + static_cast<int>(2 * SphereRadius) - 1) / static_cast<int>(2 * SphereRadius);
    const int tileSide = static_cast<int>(std::lround(diameter * TileSize / (2.0 * SphereRadius)));
    const QImage tile = BlockTile(kind, scale).scaled(tileSide, tileSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QBrush brush(tile);
    const QPointF tileCorner = box.center() - QPointF(tileSide / 2.0, tileSide / 2.0);
    brush.setTransform(QTransform::fromTranslate(tileCorner.x(), tileCorner.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawEllipse(box);
}

} // namespace

QImage IconImage(int size)
{
    const Layout layout = Fit(size);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawWell(painter, layout);
    for (int i = 0; i < Balls; ++i)
        DrawTrail(painter, layout, i);
    for (int i = 0; i < Balls; ++i) {
        const QRectF box(layout.ballAt[i], QSizeF(layout.ball, layout.ball));
        if (layout.ball >= PatternedFrom)
            DrawPatternedBall(painter, box, Kinds[i]);
        else
            DrawGlossyBall(painter, box, BallColours[i]);
    }
    painter.end();
    return image;
}

QString IconSvg()
{
    const Layout layout = Fit(SvgGrid);
    QString balls;
    QString gradients;
    for (int i = 0; i < Balls; ++i) {
        const QString colour = HexColour(BallColours[i]).name();
        const Rgb base = FromHex(BallColours[i]);
        const double radius = layout.ball / 2.0;
        const QPoint at = layout.ballAt[i];
        const double trailWidth = std::max(2, layout.ball / 2 / 2 * 2);
        gradients += QStringLiteral("    <radialGradient id=\"ball%1\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\"0.35\" fy=\"0.3\">\n"
                                    "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                                    "      <stop offset=\"0.45\" stop-color=\"%3\"/>\n"
                                    "      <stop offset=\"1\" stop-color=\"%4\"/>\n"
                                    "    </radialGradient>\n"
                                    "    <linearGradient id=\"trail%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                                    "      <stop offset=\"0\" stop-color=\"%3\" stop-opacity=\"%5\"/>\n"
                                    "      <stop offset=\"1\" stop-color=\"%3\" stop-opacity=\"0\"/>\n"
                                    "    </linearGradient>\n")
                         .arg(i)
                         .arg(ToColour(Mix(base, FromHex(0xFFFFFF), 0.6)).name(), colour, ToColour(base * 0.62).name())
                         .arg(TrailOpacity);
        balls += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"url(#trail%5)\"/>\n")
                     .arg(at.x() + (layout.ball - trailWidth) / 2.0)
                     .arg(at.y() + radius)
                     .arg(trailWidth)
                     .arg(layout.floor - at.y() - radius)
                     .arg(i);
        balls += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#ball%4)\"/>\n")
                     .arg(at.x() + radius)
                     .arg(at.y() + radius)
                     .arg(radius)
                     .arg(i);
    }
    const double inset = layout.wall;
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                          "  <defs>\n"
                          "    <linearGradient id=\"wall\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                          "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%3\"/>\n"
                          "    </linearGradient>\n"
                          "    <linearGradient id=\"well\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                          "      <stop offset=\"0\" stop-color=\"%4\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%5\"/>\n"
                          "    </linearGradient>\n"
                          "%6"
                          "  </defs>\n"
                          "  <rect x=\"0\" y=\"0\" width=\"%1\" height=\"%1\" rx=\"%7\" fill=\"url(#wall)\"/>\n"
                          "  <rect x=\"%8\" y=\"%8\" width=\"%9\" height=\"%9\" rx=\"%10\" fill=\"url(#well)\"/>\n"
                          "%11"
                          "</svg>\n")
        .arg(SvgGrid)
        .arg(HexColour(WallTop).name(), HexColour(WallBottom).name(), HexColour(WellTop).name(), HexColour(WellBottom).name(), gradients)
        .arg(layout.corner)
        .arg(inset)
        .arg(SvgGrid - 2.0 * inset)
        .arg(std::max(1.0, layout.corner - inset))
        .arg(balls);
}

} // namespace quorvel::assetgen
