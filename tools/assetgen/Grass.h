#pragma once

#include "Colour.h"

#include <QPainter>
#include <QRectF>

namespace quorvel::assetgen {

// One blade of grass standing up from its root, in logical pixels.
struct Blade {
    QPointF root;
    double length;
    // Sideways reach of the tip; the blade curves towards it.
    double bend;
    double width;
    Rgb rootColour;
    Rgb tipColour;
};

QRectF bladeBounds(const Blade& blade);

// A tapering blade, darker at its root, with a faint light rib along it.
void drawBlade(QPainter& painter, const Blade& blade);

} // namespace quorvel::assetgen
