#include "BackgroundPainters.h"
#include "Backgrounds.h"
#include "Canvas.h"
#include "Strokes.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <vector>

namespace quorvel::assetgen {

namespace {

constexpr double Size = BackgroundSize;
constexpr int Patches = 7;
constexpr int Flakes = 320;
constexpr int Leaflets = 3;
constexpr int Needles = 26;
constexpr int LooseDrops = 14;

struct Drop {
    QPointF centre;
    double radius;
    Rgb under;
};

struct Clover {
    QPointF centre;
    double leafletLength;
    double turn;
    double stemAngle;
    double stemLength;
    // Clovers deeper in the litter get less light.
    double light;
    std::vector<Drop> drops;
};

// A heart-shaped leaflet pointing along +x from the clover's centre, its
// notch at the outer end.
QPainterPath leafletPath(double l)
{
    QPainterPath path(QPointF(0.0, 0.0));
    path.cubicTo(QPointF(0.15 * l, -0.38 * l), QPointF(0.74 * l, -0.64 * l), QPointF(0.99 * l, -0.3 * l));
    path.cubicTo(QPointF(1.08 * l, -0.14 * l), QPointF(0.96 * l, -0.03 * l), QPointF(0.8 * l, 0.0));
    path.cubicTo(QPointF(0.96 * l, 0.03 * l), QPointF(1.08 * l, 0.14 * l), QPointF(0.99 * l, 0.3 * l));
    path.cubicTo(QPointF(0.74 * l, 0.64 * l), QPointF(0.15 * l, 0.38 * l), QPointF(0.0, 0.0));
    return path;
}

QTransform leafletFrame(const Clover& clover, int index)
{
    QTransform frame;
    frame.translate(clover.centre.x(), clover.centre.y());
    frame.rotate(clover.turn + 360.0 * index / Leaflets);
    return frame;
}

QRectF cloverBounds(const Clover& clover)
{
    const double reach = std::max(clover.leafletLength * 1.2, clover.stemLength) + 4.0;
    return QRectF(clover.centre - QPointF(reach, reach), QSizeF(2.0 * reach, 2.0 * reach));
}

void drawClover(QPainter& painter, const Clover& clover)
{
    const double l = clover.leafletLength;
    const QPointF stemEnd = clover.centre + QPointF(std::cos(clover.stemAngle), std::sin(clover.stemAngle)) * clover.stemLength;
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(clover.centre + QPointF(1.2, 1.6), stemEnd + QPointF(1.2, 1.6));
    painter.setPen(QPen(toColour(fromHex(0x5E8C34)), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(clover.centre, stemEnd);

    const QPainterPath leaflet = leafletPath(l);
    for (int i = 0; i < Leaflets; ++i) {
        painter.save();
        painter.setTransform(leafletFrame(clover, i), true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 110));
        painter.drawPath(leaflet.translated(QTransform().rotate(-clover.turn - 360.0 * i / Leaflets).map(QPointF(1.6, 2.2))));
        QRadialGradient body(QPointF(0.45 * l, -0.1 * l), 0.75 * l);
        body.setColorAt(0.0, toColour(fromHex(0x7CD84A) * clover.light));
        body.setColorAt(0.6, toColour(fromHex(0x4CB030) * clover.light));
        body.setColorAt(1.0, toColour(fromHex(0x2E8220) * clover.light));
        painter.setBrush(body);
        painter.setPen(QPen(toColour(fromHex(0x1C5212)), 0.45));
        painter.drawPath(leaflet);
        painter.setBrush(Qt::NoBrush);
        QPainterPath chevron(QPointF(0.3 * l, -0.3 * l));
        chevron.lineTo(0.52 * l, 0.0);
        chevron.lineTo(0.3 * l, 0.3 * l);
        painter.setPen(QPen(toColour(fromHex(0xC6F0A0), 0.5), 0.13 * l, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(chevron);
        painter.setPen(QPen(toColour(fromHex(0x2A7018), 0.7), 0.35, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0.05 * l, 0.0), QPointF(0.78 * l, 0.0));
        painter.restore();
    }
}

// A bead of water: it throws a shadow, gathers light at its lower side and
// mirrors the sky in a bright spot at its upper left.
void drawDrop(QPainter& painter, const Drop& drop)
{
    const double r = drop.radius;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawEllipse(drop.centre + QPointF(0.35 * r, 0.5 * r), r, r);
    QRadialGradient body(drop.centre + QPointF(0.3 * r, 0.4 * r), 1.25 * r);
    body.setColorAt(0.0, toColour(clamped(drop.under * 1.7 + Rgb{0.1, 0.1, 0.1}), 0.9));
    body.setColorAt(0.7, toColour(drop.under * 0.9, 0.85));
    body.setColorAt(1.0, toColour(drop.under * 0.45, 0.95));
    painter.setBrush(body);
    painter.drawEllipse(drop.centre, r, r);
    painter.setBrush(QColor(255, 255, 255, 240));
    painter.drawEllipse(drop.centre + QPointF(-0.36 * r, -0.38 * r), 0.3 * r, 0.24 * r);
    painter.setBrush(QColor(255, 255, 255, 130));
    painter.drawEllipse(drop.centre + QPointF(0.38 * r, 0.42 * r), 0.14 * r, 0.1 * r);
}

Clover randomClover(Rng& rng, QPointF near)
{
    const QPointF centre = near + randomPoint(rng, -20.0, 20.0, -20.0, 20.0);
    Clover clover{centre, rng.range(8.0, 15.0), rng.range(0.0, 360.0), rng.range(0.0, 6.28), rng.range(12.0, 24.0), rng.range(0.7, 1.05), {}};
    for (int i = 0; i < Leaflets; ++i) {
        const QTransform frame = leafletFrame(clover, i);
        const int drops = 1 + rng.below(4);
        for (int d = 0; d < drops; ++d) {
            const QPointF local = randomPoint(rng, 0.3, 0.8, -0.26, 0.26) * clover.leafletLength;
            clover.drops.push_back({frame.map(local), rng.range(0.9, 2.4), fromHex(0x4CB030) * clover.light});
        }
    }
    return clover;
}

Rgb forestSoil(double x, double y)
{
    const double mould = tiledNoise(x, y, Size, 7, 51, 5);
    const double grit = tiledNoise(x, y, Size, 72, 52, 2);
    const double moss = smoothStep(0.55, 0.7, tiledNoise(x, y, Size, 5, 53, 4));
    const Rgb earth = mix(fromHex(0x120E06), fromHex(0x3A3016), mould) * (0.7 + 0.6 * grit);
    return mix(earth, fromHex(0x2A3010) * (0.7 + 0.6 * grit), moss * 0.45);
}

// A crumb of old leaf or bark lying on the soil.
void drawFlake(QPainter& painter, QPointF at, double length, double angle, const QColor& colour)
{
    painter.save();
    painter.translate(at);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(QPointF(0.5, 0.7), length, length * 0.55);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(0.0, 0.0), length, length * 0.55);
    painter.restore();
}

void drawNeedle(QPainter& painter, QPointF from, QPointF to, const QColor& colour)
{
    painter.setPen(QPen(QColor(0, 0, 0, 70), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from + QPointF(0.8, 1.0), to + QPointF(0.8, 1.0));
    painter.setPen(QPen(colour, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

} // namespace

void paintCloverFloor(QImage& image, int scale, Rng& rng)
{
    fillByPosition(image, scale, forestSoil);
    QPainter painter;
    beginLogical(painter, image, scale);
    for (int i = 0; i < Flakes; ++i) {
        const QPointF at = randomPoint(rng, 0.0, Size, 0.0, Size);
        const double length = rng.range(0.6, 2.2);
        const double angle = rng.range(0.0, 180.0);
        const QColor colour = toColour(mix(fromHex(0x241A0C), fromHex(0x5A4626), rng.unit()));
        drawWrapped(painter, Size, QRectF(at - QPointF(3, 3), QSizeF(6, 6)), [&] { drawFlake(painter, at, length, angle, colour); });
    }
    for (int i = 0; i < Needles; ++i) {
        const QPointF from = randomPoint(rng, 0.0, Size, 0.0, Size);
        const double angle = rng.range(0.0, 6.28);
        const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * rng.range(6.0, 16.0);
        const QColor colour = toColour(mix(fromHex(0x4A3A22), fromHex(0x7A6038), rng.unit()));
        drawWrapped(painter, Size, QRectF(from, to).normalized().adjusted(-2, -2, 2, 2), [&] { drawNeedle(painter, from, to, colour); });
    }
    for (int i = 0; i < LooseDrops; ++i) {
        const Drop drop{randomPoint(rng, 0.0, Size, 0.0, Size), rng.range(0.7, 1.6), fromHex(0x3A3420)};
        drawWrapped(painter, Size, QRectF(drop.centre - QPointF(3, 3), QSizeF(6, 6)), [&] { drawDrop(painter, drop); });
    }
    std::vector<Clover> clovers;
    for (int patch = 0; patch < Patches; ++patch) {
        const QPointF near = randomPoint(rng, 0.0, Size, 0.0, Size);
        const int count = 2 + rng.below(3);
        for (int i = 0; i < count; ++i)
            clovers.push_back(randomClover(rng, near));
    }
    for (const Clover& clover : clovers) {
        drawWrapped(painter, Size, cloverBounds(clover), [&] {
            drawClover(painter, clover);
            for (const Drop& drop : clover.drops)
                drawDrop(painter, drop);
        });
    }
    painter.end();
}

} // namespace quorvel::assetgen
