#include "SidePlates.h"

#include "Canvas.h"
#include "Colour.h"
#include "Noise.h"
#include "Strokes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <numbers>

namespace quorvel::assetgen {

namespace {

constexpr double Frame = 1.0;
constexpr double Bevel = 2.5;
constexpr uint32_t Face = 0xD6E68D;
constexpr uint32_t Lit = 0xF6FCD6;
constexpr uint32_t Shaded = 0x97A64E;
constexpr uint32_t Rim = 0x66722C;
constexpr double FaceGrain = 0.05;
// How far the symbols lean, as for italic type.
constexpr double Slant = 0.22;
constexpr int Dendrites = 5;

QPolygonF LeftChevron()
{
    return QPolygonF({QPointF(-10.0, 0.0), QPointF(4.0, -13.0), QPointF(10.0, -13.0), QPointF(-3.5, 0.0), QPointF(10.0, 13.0),
                      QPointF(4.0, 13.0)});
}

QPainterPath SymbolPath(PlateSymbol symbol)
{
    QPainterPath path;
    switch (symbol) {
    case PlateSymbol::None:
        break;
    case PlateSymbol::LeftChevron:
        path.addPolygon(LeftChevron());
        break;
    case PlateSymbol::RightChevron:
        path.addPolygon(QTransform::fromScale(-1.0, 1.0).map(LeftChevron()));
        break;
    case PlateSymbol::Ring:
        path.addEllipse(QPointF(0.0, 0.0), 13.0, 12.0);
        path.addEllipse(QPointF(0.0, 0.0), 7.5, 6.5);
        path.addRoundedRect(QRectF(-1.6, -4.6, 3.2, 9.2), 1.6, 1.6);
        break;
    case PlateSymbol::Caret:
        path.addPolygon(QPolygonF({QPointF(-16.0, 10.0), QPointF(0.0, -12.0), QPointF(16.0, 10.0), QPointF(9.5, 10.0),
                                   QPointF(0.0, -2.5), QPointF(-9.5, 10.0)}));
        break;
    }
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void DrawBevel(QPainter& painter, const QRectF& plate)
{
    const QRectF face = plate.adjusted(Bevel, Bevel, -Bevel, -Bevel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(HexColour(Lit, 0.9));
    painter.drawPolygon(QPolygonF({plate.topLeft(), plate.topRight(), face.topRight(), face.topLeft(), face.bottomLeft(),
                                   plate.bottomLeft()}));
    painter.setBrush(HexColour(Shaded, 0.95));
    painter.drawPolygon(QPolygonF({plate.bottomRight(), plate.bottomLeft(), face.bottomLeft(), face.bottomRight(),
                                   face.topRight(), plate.topRight()}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(HexColour(Rim), 0.8));
    painter.drawRect(plate.adjusted(0.4, 0.4, -0.4, -0.4));
    QLinearGradient sheen(face.topLeft(), face.bottomLeft());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 60));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 22));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRect(face);
}

void DrawDendrites(QPainter& painter, Rng& rng, const QRectF& face)
{
    const BranchStyle crack{HexColour(0x7A5428, 0.2), 6, 0.45, 0.6};
    painter.save();
    painter.setClipRect(face, Qt::IntersectClip);
    for (int i = 0; i < Dendrites; ++i) {
        const QPointF start = RandomPoint(rng, face.left(), face.right(), face.top(), face.bottom());
        const double upright = rng.Range(0.35, 0.7) * face.height();
        const double length = upright + rng.Range(0.0, 0.15) * face.width();
        DrawBranches(painter, rng, crack, start, rng.Range(0.0, 2.0 * std::numbers::pi), length, 0.9, 3);
    }
    painter.restore();
}

void DrawSymbol(QPainter& painter, PlateSymbol symbol, QPointF centre)
{
    if (symbol == PlateSymbol::None)
        return;
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.shear(-Slant, 0.0);
    const QPainterPath shape = place.map(SymbolPath(symbol));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 70, 20, 70));
    painter.drawPath(shape.translated(1.0, 1.2));
    const QRectF bounds = shape.boundingRect();
    QLinearGradient inside(bounds.topLeft(), bounds.bottomLeft());
    inside.setColorAt(0.0, HexColour(0xFBFFE4));
    inside.setColorAt(1.0, HexColour(0xD8E690));
    painter.setBrush(inside);
    painter.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(shape);
}

} // namespace

QImage SidePlate(PlateSymbol symbol, QSize size, uint64_t seed, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32);
    image.fill(QColor(255, 255, 255, 0));
    const uint32_t grainSeed = static_cast<uint32_t>(seed);
    const QRectF plate(Frame, Frame, size.width() - 2.0 * Frame, size.height() - 2.0 * Frame);
    const QRectF face = plate.adjusted(Bevel, Bevel, -Bevel, -Bevel);
    QImage faceImage(image.size(), QImage::Format_ARGB32);
    FillByPosition(faceImage, scale, [grainSeed](double x, double y) {
        const double mottle = Fractal(x / 9.0, y / 9.0, grainSeed, 4) - 0.5;
        return FromHex(Face) * (1.0 + 2.0 * FaceGrain * mottle);
    });
    Rng rng(seed);
    QPainter painter;
    BeginLogical(painter, image, scale);
    // Smoothed edges must not reach into the frame, which stays clear.
    painter.setClipRect(plate);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, faceImage);
    painter.restore();
    DrawDendrites(painter, rng, face);
    DrawBevel(painter, plate);
    DrawSymbol(painter, symbol, QPointF(size.width() / 2.0, size.height() / 2.0));
    painter.end();
    return image;
}

} // namespace quorvel::assetgen
