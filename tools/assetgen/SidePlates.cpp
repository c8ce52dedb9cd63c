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
// A warm light stone: no hue of its own to fight the meadow, the leaf litter
// or the water, and lighter than every background, so the plates stand out
// on all five and black type reads on them.
constexpr uint32_t Face = 0xD3CCBF;
constexpr uint32_t Lit = 0xF3EFE7;
constexpr uint32_t Shaded = 0x938B7D;
constexpr uint32_t Rim = 0x5F584D;
constexpr uint32_t SymbolTop = 0xFFFDF8;
constexpr uint32_t SymbolBottom = 0xDCD5C8;
// Fine mottle, as in a cut stone; coarse and fine octaves mixed.
constexpr double FaceGrain = 0.045;
constexpr double GrainSize = 3.5;
// How far the symbols lean, as for italic type.
constexpr double Slant = 0.22;

QPolygonF LeftChevron()
{
    return QPolygonF({QPointF(-10.0, 0.0), QPointF(4.0, -13.0), QPointF(10.0, -13.0), QPointF(-3.5, 0.0), QPointF(10.0, 13.0),
                      QPointF(4.0, 13.0)});
}

// A band bent nearly all the way round, turning clockwise, with an arrowhead
// at its end pointing on round the circle: the sign for "rotate".
QPolygonF CircularArrow()
{
    constexpr double Outer = 12.0;
    constexpr double Inner = 6.5;
    constexpr double HeadOverhang = 4.5;
    constexpr double Start = -40.0;
    constexpr double End = 205.0;
    constexpr double HeadLength = 60.0;
    constexpr int Steps = 48;
    const auto at = [](double radius, double degrees) { return Polar(radius, degrees * std::numbers::pi / 180.0); };
    QPolygonF outline;
    for (int i = 0; i <= Steps; ++i)
        outline << at(Outer, Start + (End - Start) * i / Steps);
    outline << at(Outer + HeadOverhang, End) << at((Outer + Inner) / 2.0, End + HeadLength) << at(Inner - HeadOverhang, End);
    for (int i = Steps; i >= 0; --i)
        outline << at(Inner, Start + (End - Start) * i / Steps);
    return outline;
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
    case PlateSymbol::CircularArrow:
        path.addPolygon(CircularArrow());
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

void DrawSymbol(QPainter& painter, PlateSymbol symbol, QPointF centre)
{
    if (symbol == PlateSymbol::None)
        return;
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.shear(-Slant, 0.0);
    const QPainterPath shape = place.map(SymbolPath(symbol));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 40, 30, 70));
    painter.drawPath(shape.translated(1.0, 1.2));
    const QRectF bounds = shape.boundingRect();
    QLinearGradient inside(bounds.topLeft(), bounds.bottomLeft());
    inside.setColorAt(0.0, HexColour(SymbolTop));
    inside.setColorAt(1.0, HexColour(SymbolBottom));
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
    QImage faceImage(image.size(), QImage::Format_ARGB32);
    FillByPosition(faceImage, scale, [grainSeed](double x, double y) {
        const double mottle = Fractal(x / GrainSize, y / GrainSize, grainSeed, 3) - 0.5;
        return FromHex(Face) * (1.0 + 2.0 * FaceGrain * mottle);
    });
    QPainter painter;
    BeginLogical(painter, image, scale);
    // Smoothed edges must not reach into the frame, which stays clear.
    painter.setClipRect(plate);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, faceImage);
    painter.restore();
    DrawBevel(painter, plate);
    DrawSymbol(painter, symbol, QPointF(size.width() / 2.0, size.height() / 2.0));
    painter.end();
    return image;
}

} // namespace quorvel::assetgen
