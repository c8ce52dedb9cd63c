#include "SidePlates.h"

#include "Canvas.h"
#include "Colour.h"
#include "Noise.h"
#include "Strokes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <numbers>

namespace quorvel::assetgen {

namespace {

// The clear frame and the bevel inside it are whole pixels wide, so the
// plate's edges fall on the pixel grid at both scales.
constexpr double Frame = 1.0;
constexpr double Bevel = 2.0;
// Pale yellow-green, the mean of every plate round its symbol.
constexpr uint32_t Face = 0xD6E68D;
constexpr uint32_t Lit = 0xF4FBCB;
constexpr uint32_t Shaded = 0x96A550;
constexpr uint32_t Rim = 0x5E6A26;
constexpr uint32_t SymbolTop = 0xF7FCDC;
constexpr uint32_t SymbolBottom = 0xDDEAA0;
constexpr double FaceGrain = 0.035;
constexpr double GrainSize = 6.0;
// The brown branching pattern: fronds grown in turn from the top and the
// bottom edge at an even spacing, thin and faint, so they read as a pattern
// in the plate and not as specks of dirt.
constexpr uint32_t Frond = 0x7A5428;
constexpr double FrondOpacity = 0.35;
constexpr double FrondWidth = 1.0;
constexpr double FrondSpacing = 21.0;
constexpr double FrondReach = 0.62;
constexpr int FrondDepth = 2;
// The room kept clear round a button's symbol: a frond rooted in it is left
// out, and no frond reaches into it; one that comes near fades out over the
// last part of the way, so it does not end in a cut.
constexpr double SymbolClearance = 3.0;
constexpr double ClearanceFade = 2.0;
// How far the symbols lean, as for italic type, and their outline.
constexpr double Slant = 0.22;
constexpr double OutlineWidth = 1.25;

QPolygonF leftChevron()
{
    return QPolygonF({QPointF(-10.0, 0.0), QPointF(4.0, -13.0), QPointF(10.0, -13.0), QPointF(-3.5, 0.0), QPointF(10.0, 13.0),
                      QPointF(4.0, 13.0)});
}

// A ring with an upright slot in its hole, the sign for cycling the colours.
// The gaps either side of the slot are wide enough to stay open at scale 1.
void addRing(QPainterPath& path)
{
    path.addEllipse(QPointF(0.0, 0.0), 14.0, 13.0);
    path.addEllipse(QPointF(0.0, 0.0), 8.5, 7.5);
    path.addRoundedRect(QRectF(-2.0, -4.0, 4.0, 8.0), 1.5, 1.5);
}

QPainterPath symbolPath(PlateSymbol symbol)
{
    QPainterPath path;
    switch (symbol) {
    case PlateSymbol::None:
        break;
    case PlateSymbol::LeftChevron:
        path.addPolygon(leftChevron());
        break;
    case PlateSymbol::RightChevron:
        path.addPolygon(QTransform::fromScale(-1.0, 1.0).map(leftChevron()));
        break;
    case PlateSymbol::Ring:
        addRing(path);
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

// The symbol's outline where it stands on the plate.
QPainterPath placedSymbol(PlateSymbol symbol, QPointF centre)
{
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.shear(-Slant, 0.0);
    return place.map(symbolPath(symbol));
}

// Clears the fronds' layer round the symbol: wholly within the clearance,
// partly over the fade beyond it.
void clearRound(QPainter& strokes, const QPainterPath& symbol)
{
    strokes.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    strokes.setBrush(Qt::black);
    const auto ring = [&](double reach, double strength) {
        strokes.setPen(QPen(QColor(0, 0, 0, static_cast<int>(255 * strength)), 2.0 * reach, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        strokes.drawPath(symbol);
    };
    ring(SymbolClearance + ClearanceFade, 0.5);
    ring(SymbolClearance + ClearanceFade / 2.0, 0.5);
    ring(SymbolClearance, 1.0);
}

// The fronds are drawn opaque on a layer of their own and laid on at one
// strength, so that where strokes cross or fork no darker knot shows.
void drawFronds(QPainter& painter, Rng& rng, const QRectF& face, int scale, const QPainterPath& symbol)
{
    QImage layer(painter.device()->width(), painter.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter strokes;
    beginLogical(strokes, layer, scale);
    strokes.setClipRect(face);
    const BranchStyle frond{hexColour(Frond), 6, 0.22, 0.6};
    const int count = std::max(1, static_cast<int>(face.width() / FrondSpacing));
    const double spacing = face.width() / count;
    const QRectF underSymbol = symbol.boundingRect().adjusted(-SymbolClearance, 0.0, SymbolClearance, 0.0);
    for (int i = 0; i < count; ++i) {
        const bool fromTop = i % 2 == 1;
        const double x = face.left() + (i + 0.5) * spacing + rng.range(-0.15, 0.15) * spacing;
        const QPointF root(x, fromTop ? face.top() : face.bottom());
        const double angle = (fromTop ? 0.5 : -0.5) * std::numbers::pi + rng.range(-0.3, 0.3);
        if (!symbol.isEmpty() && x >= underSymbol.left() && x <= underSymbol.right())
            continue;
        drawBranches(strokes, rng, frond, root, angle, FrondReach * face.height(), FrondWidth, FrondDepth);
    }
    if (!symbol.isEmpty())
        clearRound(strokes, symbol);
    strokes.end();
    painter.save();
    painter.resetTransform();
    painter.setOpacity(FrondOpacity);
    painter.drawImage(0, 0, layer);
    painter.restore();
}

void drawBevel(QPainter& painter, const QRectF& plate)
{
    const QRectF face = plate.adjusted(Bevel, Bevel, -Bevel, -Bevel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(hexColour(Lit, 0.9));
    painter.drawPolygon(QPolygonF({plate.topLeft(), plate.topRight(), face.topRight(), face.topLeft(), face.bottomLeft(),
                                   plate.bottomLeft()}));
    painter.setBrush(hexColour(Shaded, 0.95));
    painter.drawPolygon(QPolygonF({plate.bottomRight(), plate.bottomLeft(), face.bottomLeft(), face.bottomRight(),
                                   face.topRight(), plate.topRight()}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(hexColour(Rim), 0.5));
    painter.drawRect(plate.adjusted(0.25, 0.25, -0.25, -0.25));
    QLinearGradient sheen(face.topLeft(), face.bottomLeft());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 50));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 18));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRect(face);
}

void drawSymbol(QPainter& painter, const QPainterPath& shape)
{
    if (shape.isEmpty())
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 70, 20, 60));
    painter.drawPath(shape.translated(1.0, 1.0));
    const QRectF bounds = shape.boundingRect();
    QLinearGradient inside(bounds.topLeft(), bounds.bottomLeft());
    inside.setColorAt(0.0, hexColour(SymbolTop));
    inside.setColorAt(1.0, hexColour(SymbolBottom));
    painter.setBrush(inside);
    painter.setPen(QPen(Qt::black, OutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(shape);
}

} // namespace

QImage sidePlate(PlateSymbol symbol, QSize size, uint64_t seed, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32);
    image.fill(QColor(255, 255, 255, 0));
    const uint32_t grainSeed = static_cast<uint32_t>(seed);
    const QRectF plate(Frame, Frame, size.width() - 2.0 * Frame, size.height() - 2.0 * Frame);
    const QRectF face = plate.adjusted(Bevel, Bevel, -Bevel, -Bevel);
    QImage faceImage(image.size(), QImage::Format_ARGB32);
    fillByPosition(faceImage, scale, [grainSeed](double x, double y) {
        const double mottle = fractal(x / GrainSize, y / GrainSize, grainSeed, 3) - 0.5;
        return fromHex(Face) * (1.0 + 2.0 * FaceGrain * mottle);
    });
    Rng rng(seed);
    QPainter painter;
    beginLogical(painter, image, scale);
    // Smoothed edges must not reach into the frame, which stays clear.
    painter.setClipRect(plate);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, faceImage);
    painter.restore();
    const QPainterPath symbolShape = placedSymbol(symbol, QPointF(size.width() / 2.0, size.height() / 2.0));
    drawFronds(painter, rng, face, scale, symbolShape);
    drawBevel(painter, plate);
    painter.end();
    const int edge = static_cast<int>(Frame) * scale;
    shiftMeanTo(image, fromHex(Face), [&image, edge](int x, int y) {
        return x >= edge && y >= edge && x < image.width() - edge && y < image.height() - edge;
    });
    beginLogical(painter, image, scale);
    painter.setClipRect(plate);
    drawSymbol(painter, symbolShape);
    painter.end();
    return image;
}

} // namespace quorvel::assetgen
