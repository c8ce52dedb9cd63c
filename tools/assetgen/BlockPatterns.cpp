#include "BlockPatterns.h"

#include "Strokes.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace quorvel::assetgen {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

// A random point on the visible face, a little past the rim included.
QPointF pointOnFace(Rng& rng, double reach)
{
    for (;;) {
        const QPointF p = randomPoint(rng, -reach, reach, -reach, reach);
        if (p.x() * p.x() + p.y() * p.y() <= reach * reach)
            return p;
    }
}

// A path that wanders from one point to another in straight jagged steps.
QPainterPath zigzag(Rng& rng, QPointF from, QPointF to, int steps, double amplitude)
{
    QPainterPath path(from);
    const QPointF step = (to - from) / steps;
    const QPointF across(-step.y(), step.x());
    const double acrossLength = std::hypot(across.x(), across.y());
    for (int i = 1; i < steps; ++i) {
        const double side = (i % 2 == 0 ? 1.0 : -1.0) * rng.range(0.4, 1.0) * amplitude;
        path.lineTo(from + step * i + across / acrossLength * side);
    }
    path.lineTo(to);
    return path;
}

// A dark glossy bead with one or two smaller beads strung on from it, so
// that the chains fork into clusters.
void bead(Surface& surface, QPointF centre, double radius, double heading, int depth)
{
    QPainter& painter = surface.painter;
    QRadialGradient body(centre + QPointF(-0.35, -0.35) * radius, radius * 1.3);
    body.setColorAt(0.0, hexColour(0x9A6A66));
    body.setColorAt(0.55, hexColour(0x5E3634));
    body.setColorAt(1.0, hexColour(0x3A1E1E));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(hexColour(0xF2D8D4, 0.85));
    const double shine = radius * 0.28;
    painter.drawEllipse(centre + QPointF(-0.38, -0.38) * radius, shine, shine);
    if (depth == 0 || radius < surface.pixel * 0.9)
        return;
    const int children = surface.rng.chance(0.35) ? 2 : 1;
    for (int i = 0; i < children; ++i) {
        const double turn = children == 1 ? surface.rng.range(-0.5, 0.5) : (i == 0 ? -1.0 : 1.0) * surface.rng.range(0.5, 0.9);
        const double childRadius = radius * surface.rng.range(0.74, 0.86);
        const QPointF next = centre + polar(radius + childRadius + surface.pixel * 0.35, heading + turn);
        bead(surface, next, childRadius, heading + turn, depth - 1);
    }
}

} // namespace

void starField(Surface& surface)
{
    QPainter& painter = surface.painter;
    Rng& rng = surface.rng;
    const double reach = rimDistance() * 1.04;
    for (int i = 0; i < 4; ++i) {
        const double radius = rng.range(0.45, 0.8);
        glow(painter, pointOnFace(rng, 1.2), radius, hexColour(0x7EA8EE, 0.22));
    }
    for (int i = 0; i < 150; ++i) {
        const double size = surface.pixel * (0.5 + 1.2 * std::pow(rng.unit(), 5.0));
        painter.setPen(Qt::NoPen);
        const double alpha = rng.range(0.7, 1.0);
        painter.setBrush(toColour(mix(fromHex(0x9CCBFF), fromHex(0xFFFFFF), rng.unit()), alpha));
        painter.drawEllipse(pointOnFace(rng, reach), size, size);
    }
    for (int i = 0; i < 7; ++i) {
        const QPointF star = pointOnFace(rng, 1.35);
        glow(painter, star, surface.pixel * 4.0, hexColour(0xCFE6FF, 0.7));
        const double arm = surface.pixel * rng.range(2.6, 4.0);
        twinkle(painter, star, arm, arm, surface.pixel * 0.55, hexColour(0xF4FAFF));
    }
}

void spikesRoundRing(Surface& surface)
{
    QPainter& painter = surface.painter;
    Rng& rng = surface.rng;
    constexpr int Spikes = 26;
    const QColor dark = hexColour(0x0F4A20, 0.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    for (int i = 0; i < Spikes; ++i) {
        const double angle = TwoPi * i / Spikes + rng.range(-0.05, 0.05);
        const double inner = 0.34;
        const double outer = (i % 2 == 0 ? 1.55 : 1.08) + rng.range(-0.08, 0.08);
        const double halfWidth = (i % 2 == 0 ? 0.045 : 0.036);
        QPainterPath spike(polar(inner, angle - halfWidth / inner));
        spike.lineTo(polar(outer, angle));
        spike.lineTo(polar(inner, angle + halfWidth / inner));
        spike.closeSubpath();
        painter.drawPath(spike);
    }
    painter.save();
    painter.rotate(-25.0);
    painter.setPen(roundPen(hexColour(0x0C3A1A), surface.pixel * 2.4));
    painter.setBrush(hexColour(0xA8E8A8));
    painter.drawEllipse(QPointF(0, 0), 0.22, 0.14);
    painter.restore();
}

void thinDiagonalLine(Surface& surface)
{
    QPainter& painter = surface.painter;
    const double reach = surface.extent;
    const QPointF offset = QPointF(1.0, -1.0) * (surface.pixel * 0.9);
    painter.setPen(roundPen(hexColour(0xF59ABA, 0.6), surface.pixel * 0.9));
    painter.drawLine(QPointF(-reach, -reach) + offset, QPointF(reach, reach) + offset);
    painter.setPen(roundPen(hexColour(0x3A0818), surface.pixel * 1.5));
    painter.drawLine(QPointF(-reach, -reach), QPointF(reach, reach));
}

void manyPointedStar(Surface& surface)
{
    QPainter& painter = surface.painter;
    constexpr int Points = 24;
    QPainterPath star;
    for (int i = 0; i < 2 * Points; ++i) {
        const double angle = std::numbers::pi * i / Points - std::numbers::pi / 2.0;
        const double radius = i % 2 == 1 ? 0.52 : (i % 4 == 0 ? 1.28 : 0.92);
        const QPointF p = polar(radius, angle);
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    QRadialGradient fill(QPointF(0, 0), 1.3);
    fill.setColorAt(0.0, hexColour(0xFF92F2));
    fill.setColorAt(0.5, hexColour(0xE250E6));
    fill.setColorAt(1.0, hexColour(0xB834D4));
    painter.setPen(roundPen(hexColour(0x4E0846), surface.pixel * 0.9));
    painter.setBrush(fill);
    painter.drawPath(star);
    QRadialGradient core(QPointF(-0.08, -0.08), 0.34);
    core.setColorAt(0.0, hexColour(0xFF6A4A));
    core.setColorAt(0.6, hexColour(0xE01E22));
    core.setColorAt(1.0, hexColour(0x9A0A14));
    painter.setPen(roundPen(hexColour(0x5A0610), surface.pixel * 1.0));
    painter.setBrush(core);
    painter.drawEllipse(QPointF(0, 0), 0.27, 0.27);
}

void jaggedVein(Surface& surface)
{
    QPainter& painter = surface.painter;
    Rng& rng = surface.rng;
    const QPainterPath vein = zigzag(rng, QPointF(-1.75, 0.35), QPointF(1.75, -0.3), 11, 0.2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(hexColour(0xE8683A, 0.55), surface.pixel * 3.6));
    painter.drawPath(vein);
    painter.setPen(roundPen(hexColour(0xC8321A), surface.pixel * 2.0));
    painter.drawPath(vein);
    for (int fork = 3; fork <= 7; fork += 4) {
        const QPointF root = vein.elementAt(fork);
        const double side = fork == 3 ? 1.0 : -1.0;
        const QPainterPath twig = zigzag(rng, root, root + QPointF(0.25, 0.45 * side), 3, 0.06);
        painter.setPen(roundPen(hexColour(0xC8321A), surface.pixel * 1.2));
        painter.drawPath(twig);
    }
    painter.setPen(roundPen(hexColour(0x6E1206), surface.pixel * 0.7));
    painter.drawPath(vein);
}

void branchingVeins(Surface& surface)
{
    const BranchStyle veins{hexColour(0xB8102E), 7, 0.28, 0.55};
    const double up = -std::numbers::pi / 4.0;
    const double width = surface.pixel * 2.2;
    drawBranches(surface.painter, surface.rng, veins, QPointF(-1.75, 1.75), up, 5.0, width, 3);
    drawBranches(surface.painter, surface.rng, veins, QPointF(-0.75, 0.35), up - 0.55, 1.8, width * 0.64, 2);
    drawBranches(surface.painter, surface.rng, veins, QPointF(0.35, -0.75), up + 0.6, 1.6, width * 0.64, 2);
}

void lichenClusters(Surface& surface)
{
    const uint32_t seed = static_cast<uint32_t>(surface.rng.next());
    const Rgb tealDeep = fromHex(0x2A7088);
    const Rgb teal = fromHex(0x6EC8E0);
    const Rgb oliveDeep = fromHex(0x6E6A24);
    const Rgb olive = fromHex(0xC4B454);
    constexpr double Scale = 3.6;
    for (int y = 0; y < surface.image.height(); ++y)
        for (int x = 0; x < surface.image.width(); ++x) {
            const QPointF s = surface.toSurface(x, y);
            const double warp = fractal(s.x() * 1.7 + 3.1, s.y() * 1.7 + 9.4, seed, 3) - 0.5;
            const double wx = s.x() * Scale + warp * 1.6;
            const double wy = s.y() * Scale - warp * 1.6;
            const double tealField = fractal(wx + 11.0, wy + 5.0, seed + 1, 5);
            const double oliveField = fractal(wx + 31.0, wy + 17.0, seed + 2, 5);
            const double tealCover = smoothStep(0.5, 0.525, tealField);
            surface.blend(x, y, mix(tealDeep, teal, smoothStep(0.525, 0.65, tealField)), tealCover);
            const double oliveCover = smoothStep(0.535, 0.56, oliveField) * (1.0 - 0.7 * tealCover);
            surface.blend(x, y, mix(oliveDeep, olive, smoothStep(0.56, 0.69, oliveField)), oliveCover);
        }
}

void beadClusters(Surface& surface)
{
    Rng& rng = surface.rng;
    constexpr int Clusters = 5;
    for (int i = 0; i < Clusters; ++i) {
        const double angle = TwoPi * i / Clusters + rng.range(-0.3, 0.3);
        const QPointF root = polar(i == 0 ? 0.05 : rng.range(0.8, 1.2), angle);
        for (int arm = 0; arm < 3; ++arm)
            bead(surface, root, surface.pixel * 3.4, TwoPi * arm / 3.0 + angle, 4);
    }
}

void goldenBand(Surface& surface)
{
    QPainter& painter = surface.painter;
    const double halfWidth = 0.17;
    const double reach = surface.extent * 1.5;
    painter.save();
    painter.rotate(-45.0);
    QLinearGradient across(QPointF(0, -halfWidth), QPointF(0, halfWidth));
    across.setColorAt(0.0, hexColour(0xB07A0C));
    across.setColorAt(0.2, hexColour(0xF0C22C));
    across.setColorAt(0.42, hexColour(0xFFEA8A));
    across.setColorAt(0.62, hexColour(0xF6CC3A));
    across.setColorAt(1.0, hexColour(0xB8820E));
    painter.setPen(Qt::NoPen);
    painter.setBrush(across);
    painter.drawRect(QRectF(-reach, -halfWidth, 2.0 * reach, 2.0 * halfWidth));
    painter.setPen(roundPen(hexColour(0x4E300A), surface.pixel * 0.9));
    painter.drawLine(QPointF(-reach, -halfWidth), QPointF(reach, -halfWidth));
    painter.drawLine(QPointF(-reach, halfWidth), QPointF(reach, halfWidth));
    painter.restore();
}

} // namespace quorvel::assetgen
