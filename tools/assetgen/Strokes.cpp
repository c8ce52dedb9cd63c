#include "Strokes.h"

#include <QRadialGradient>

#include <cmath>

namespace quorvel::assetgen {

QPointF polar(double radius, double angle)
{
    return {radius * std::cos(angle), radius * std::sin(angle)};
}

QPointF randomPoint(Rng& rng, double left, double right, double top, double bottom)
{
    const double y = rng.range(top, bottom);
    const double x = rng.range(left, right);
    return {x, y};
}

QPen roundPen(const QColor& colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void glow(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient gradient(centre, radius);
    QColor edge = colour;
    edge.setAlpha(0);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(1.0, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void twinkle(QPainter& painter, QPointF centre, double across, double upright, double width, const QColor& colour)
{
    painter.setPen(roundPen(colour, width));
    painter.drawLine(centre - QPointF(across, 0.0), centre + QPointF(across, 0.0));
    painter.drawLine(centre - QPointF(0.0, upright), centre + QPointF(0.0, upright));
}

void drawBranches(QPainter& painter, Rng& rng, const BranchStyle& style, QPointF start, double angle, double length,
                  double width, int depth)
{
    QPointF point = start;
    const double segment = length / style.segments;
    for (int i = 0; i < style.segments; ++i) {
        angle += rng.range(-style.wander, style.wander);
        const double taper = 1.0 - 0.5 * i / style.segments;
        const QPointF next = point + polar(segment, angle);
        painter.setPen(roundPen(style.colour, width * taper));
        painter.drawLine(point, next);
        if (depth > 0 && rng.chance(style.forking)) {
            const double side = rng.chance(0.5) ? 1.0 : -1.0;
            const double shortening = rng.range(0.3, 0.5);
            const double turn = rng.range(0.45, 0.95);
            drawBranches(painter, rng, style, next, angle + side * turn, length * shortening, width * 0.6 * taper, depth - 1);
        }
        point = next;
    }
}

} // namespace quorvel::assetgen
