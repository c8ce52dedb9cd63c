#pragma once

#include "Noise.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>

namespace quorvel::assetgen {

QPointF polar(double radius, double angle);

// A point uniform over the given ranges. The vertical coordinate is drawn
// first, the order in which the committed pictures were drawn.
QPointF randomPoint(Rng& rng, double left, double right, double top, double bottom);

QPen roundPen(const QColor& colour, double width);

// A soft round light that fades to nothing at its radius.
void glow(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// The thin cross of a star's twinkle or of sunlight caught on water.
void twinkle(QPainter& painter, QPointF centre, double across, double upright, double width, const QColor& colour);

// How a vein or a crack forks as it grows.
struct BranchStyle {
    QColor colour;
    int segments;
    // Largest turn between two segments, in radians.
    double wander;
    // Chance that a segment sprouts a side branch.
    double forking;
};

// A wandering stroke that tapers as it goes and forks `depth` times over;
// the side branches are shorter and thinner than their parent.
void drawBranches(QPainter& painter, Rng& rng, const BranchStyle& style, QPointF start, double angle, double length,
                  double width, int depth);

} // namespace quorvel::assetgen
