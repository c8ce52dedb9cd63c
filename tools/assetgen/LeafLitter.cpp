#include "BackgroundPainters.h"
#include "Backgrounds.h"
#include "Canvas.h"
#include "Strokes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace quorvel::assetgen {

namespace {

constexpr double Size = BackgroundSize;
constexpr int OutlineSteps = 28;
constexpr int VeinPairs = 5;

constexpr std::array<uint32_t, 8> AutumnColours{0x8A4A1E, 0xA85E26, 0xC27A34, 0x7A4420,
                                                0x9C6A30, 0x6E3C1A, 0xB0884A, 0x8C3A1C};

enum class LeafShape { Oval, Lobed, Narrow };

struct Leaf {
    QPointF centre;
    double length;
    double width;
    double angle;
    LeafShape shape;
    Rgb colour;
    std::vector<QPointF> spots;
};

struct Twig {
    std::vector<QPointF> points;
    double width;
};

double halfWidth(const Leaf& leaf, double s)
{
    double w = leaf.width / 2.0 * std::pow(std::sin(std::numbers::pi * std::pow(s, 0.8)), 0.85);
    if (leaf.shape == LeafShape::Lobed)
        w *= 0.78 + 0.3 * std::abs(std::sin(s * std::numbers::pi * 4.5));
    return w;
}

// The leaf in its own frame: stem end at -length / 2, tip at +length / 2.
QPainterPath leafOutline(const Leaf& leaf)
{
    QPainterPath path;
    for (int i = 0; i <= OutlineSteps; ++i) {
        const double s = static_cast<double>(i) / OutlineSteps;
        const QPointF p((s - 0.5) * leaf.length, -halfWidth(leaf, s));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    for (int i = OutlineSteps; i >= 0; --i) {
        const double s = static_cast<double>(i) / OutlineSteps;
        path.lineTo((s - 0.5) * leaf.length, halfWidth(leaf, s));
    }
    path.closeSubpath();
    return path;
}

QRectF leafBounds(const Leaf& leaf)
{
    const double reach = leaf.length * 0.75 + 4.0;
    return QRectF(leaf.centre - QPointF(reach, reach), QSizeF(2.0 * reach, 2.0 * reach));
}

void drawLeaf(QPainter& painter, const Leaf& leaf)
{
    painter.save();
    painter.translate(leaf.centre);
    painter.rotate(leaf.angle);
    const QPainterPath outline = leafOutline(leaf);
    const double half = leaf.length / 2.0;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(outline.translated(2.4, 3.0));
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(outline.translated(1.2, 1.5));

    QLinearGradient across(0.0, -leaf.width / 2.0, 0.0, leaf.width / 2.0);
    across.setColorAt(0.0, toColour(leaf.colour * 1.18));
    across.setColorAt(0.5, toColour(leaf.colour));
    across.setColorAt(1.0, toColour(leaf.colour * 0.72));
    painter.setBrush(across);
    painter.drawPath(outline);

    const QColor spotColour = toColour(leaf.colour * 0.55, 0.55);
    painter.setBrush(spotColour);
    for (const QPointF& spot : leaf.spots)
        painter.drawEllipse(QPointF(spot.x() * half, spot.y() * leaf.width / 3.0), 0.9, 0.7);

    const QColor vein = toColour(mix(leaf.colour, fromHex(0xF0D8A0), 0.45), 0.7);
    painter.setPen(QPen(vein, 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-half - leaf.length * 0.16, 0.8), QPointF(half * 0.92, 0.0));
    painter.setPen(QPen(vein, 0.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= VeinPairs; ++i) {
        const double s = static_cast<double>(i) / (VeinPairs + 1);
        const double x = (s - 0.5) * leaf.length;
        const double reach = halfWidth(leaf, s + 0.08) * 0.85;
        painter.drawLine(QPointF(x, 0.0), QPointF(x + reach * 0.8, -reach));
        painter.drawLine(QPointF(x, 0.0), QPointF(x + reach * 0.8, reach));
    }
    painter.setPen(QPen(toColour(leaf.colour * 0.5, 0.6), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

Leaf randomLeaf(Rng& rng, double shade)
{
    const double kind = rng.unit();
    const LeafShape shape = kind < 0.5 ? LeafShape::Oval : kind < 0.8 ? LeafShape::Lobed : LeafShape::Narrow;
    const double length = rng.range(18.0, 36.0);
    const double ratio = shape == LeafShape::Narrow ? 0.3 : shape == LeafShape::Lobed ? 0.62 : 0.55;
    const double brightness = shade * rng.range(0.85, 1.1);
    const Rgb colour = fromHex(AutumnColours[rng.below(AutumnColours.size())]) * brightness;
    Leaf leaf{randomPoint(rng, 0.0, Size, 0.0, Size), length, length * ratio, rng.range(0.0, 360.0), shape, colour, {}};
    const int spots = rng.below(6);
    for (int i = 0; i < spots; ++i)
        leaf.spots.push_back(randomPoint(rng, -0.7, 0.7, -0.8, 0.8));
    return leaf;
}

Twig randomTwig(Rng& rng)
{
    Twig twig{{randomPoint(rng, 0.0, Size, 0.0, Size)}, rng.range(1.6, 2.8)};
    double angle = rng.range(0.0, 2.0 * std::numbers::pi);
    const int segments = 6 + rng.below(4);
    for (int i = 0; i < segments; ++i) {
        angle += rng.range(-0.35, 0.35);
        twig.points.push_back(twig.points.back() + QPointF(std::cos(angle), std::sin(angle)) * rng.range(7.0, 13.0));
    }
    return twig;
}

QRectF twigBounds(const Twig& twig)
{
    QRectF bounds(twig.points.front(), QSizeF(0.0, 0.0));
    for (const QPointF& p : twig.points)
        bounds = bounds.united(QRectF(p, QSizeF(0.0, 0.0)));
    return bounds.adjusted(-4.0, -4.0, 4.0, 4.0);
}

void drawTwig(QPainter& painter, const Twig& twig)
{
    QPainterPath path(twig.points.front());
    for (size_t i = 1; i < twig.points.size(); ++i)
        path.lineTo(twig.points[i]);
    painter.setBrush(Qt::NoBrush);
    const auto stroke = [&](const QColor& colour, double width, QPointF shift) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path.translated(shift));
    };
    stroke(QColor(0, 0, 0, 70), twig.width + 0.6, QPointF(1.4, 1.8));
    stroke(toColour(fromHex(0x24180E)), twig.width + 0.7, QPointF());
    stroke(toColour(fromHex(0x5C4230)), twig.width, QPointF());
    stroke(toColour(fromHex(0xA08468), 0.75), twig.width * 0.3, QPointF(-twig.width * 0.18, -twig.width * 0.18));
}

Rgb soil(double x, double y)
{
    const double clumps = tiledNoise(x, y, Size, 8, 41, 5);
    const double grit = tiledNoise(x, y, Size, 64, 42, 2);
    return mix(fromHex(0x1E120A), fromHex(0x4A3220), clumps) * (0.75 + 0.5 * grit);
}

} // namespace

void paintLeafLitter(QImage& image, int scale, Rng& rng)
{
    fillByPosition(image, scale, soil);
    QPainter painter;
    beginLogical(painter, image, scale);
    // Deeper layers lie in the shade of the ones above them.
    constexpr std::array<double, 3> LayerShade{0.62, 0.82, 1.0};
    constexpr std::array<int, 3> LayerLeaves{60, 40, 16};
    constexpr std::array<int, 3> LayerTwigs{2, 2, 1};
    for (size_t layer = 0; layer < LayerShade.size(); ++layer) {
        for (int i = 0; i < LayerLeaves[layer]; ++i) {
            const Leaf leaf = randomLeaf(rng, LayerShade[layer]);
            drawWrapped(painter, Size, leafBounds(leaf), [&] { drawLeaf(painter, leaf); });
        }
        for (int i = 0; i < LayerTwigs[layer]; ++i) {
            const Twig twig = randomTwig(rng);
            drawWrapped(painter, Size, twigBounds(twig), [&] { drawTwig(painter, twig); });
        }
    }
    painter.end();
}

} // namespace quorvel::assetgen
