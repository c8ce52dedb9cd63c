#include "Grass.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace quorvel::assetgen {

namespace {

constexpr int SpineSteps = 10;
constexpr double RibLightening = 0.45;

QPointF spineAt(const Blade& blade, double t)
{
    const QPointF tip = blade.root + QPointF(blade.bend, -blade.length);
    const QPointF control = blade.root + QPointF(blade.bend * 0.1, -blade.length * 0.6);
    const double s = 1.0 - t;
    return blade.root * (s * s) + control * (2.0 * s * t) + tip * (t * t);
}

QPointF acrossAt(const Blade& blade, double t)
{
    const QPointF ahead = spineAt(blade, std::min(1.0, t + 0.01)) - spineAt(blade, std::max(0.0, t - 0.01));
    const double length = std::hypot(ahead.x(), ahead.y());
    return {-ahead.y() / length, ahead.x() / length};
}

double halfWidthAt(const Blade& blade, double t)
{
    return blade.width / 2.0 * std::pow(1.0 - t, 0.75);
}

} // namespace

QRectF bladeBounds(const Blade& blade)
{
    const double left = std::min(0.0, blade.bend) - blade.width;
    const double right = std::max(0.0, blade.bend) + blade.width;
    return QRectF(blade.root.x() + left, blade.root.y() - blade.length - blade.width, right - left,
                  blade.length + 2.0 * blade.width);
}

void drawBlade(QPainter& painter, const Blade& blade)
{
    QPolygonF outline;
    for (int i = 0; i <= SpineSteps; ++i) {
        const double t = static_cast<double>(i) / SpineSteps;
        outline << spineAt(blade, t) + acrossAt(blade, t) * halfWidthAt(blade, t);
    }
    for (int i = SpineSteps; i >= 0; --i) {
        const double t = static_cast<double>(i) / SpineSteps;
        outline << spineAt(blade, t) - acrossAt(blade, t) * halfWidthAt(blade, t);
    }
    QLinearGradient shade(blade.root, spineAt(blade, 1.0));
    shade.setColorAt(0.0, toColour(blade.rootColour));
    shade.setColorAt(1.0, toColour(blade.tipColour));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPolygon(outline);

    QPainterPath rib(spineAt(blade, 0.05));
    for (int i = 1; i <= SpineSteps - 2; ++i) {
        const double t = static_cast<double>(i) / SpineSteps;
        rib.lineTo(spineAt(blade, t) + acrossAt(blade, t) * (halfWidthAt(blade, t) * 0.35));
    }
    const Rgb light = mix(blade.tipColour, Rgb{1.0, 1.0, 0.8}, RibLightening);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toColour(light, 0.45), blade.width * 0.22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(rib);
}

} // namespace quorvel::assetgen
