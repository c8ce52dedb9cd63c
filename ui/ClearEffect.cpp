#include "ClearEffect.h"

#include "DrawClipped.h"
#include "Fonts.h"
#include "Geometry.h"
#include "Pictures.h"
#include "TileSpots.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace quorvel::ui {
namespace {

constexpr int SparkCount = 8;
constexpr qreal PointsRise = 0.7;      // in tiles, over the whole effect
constexpr qreal PointsTextSize = 0.4;  // of a tile
constexpr qreal Pi = 3.14159265358979;

// A frame every second refresh of a 60 Hz screen, which a burst this short
// needs no more than; never faster than the screen.
int FrameInterval()
{
    constexpr int Fastest = 33;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal rate = screen ? screen->refreshRate() : 60.0;
    return std::max(Fastest, int(std::ceil(1000.0 / std::max(rate, 1.0))));
}

QFont PointsFont(int tileSize)
{
    return GameFont(std::max(1, qRound(tileSize * PointsTextSize)), true);
}

// The whole pixels round a circle: a rectangle on whole pixels is filled
// span by span, where one with fractional edges is drawn as a path.
QRect Square(QPointF centre, qreal radius)
{
    return QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)).toAlignedRect();
}

// A disc of `colour` round `centre`, its edge softened over about a pixel,
// filled through a gradient: the toolkit strokes an ellipse as a path,
// which for a dozen small shapes costs many times more than these fills.
void FillDisc(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    const qreal outer = radius + 0.5;
    QRadialGradient disc(centre, outer);
    QColor edge = colour;
    edge.setAlpha(0);
    disc.setColorAt(0.0, colour);
    disc.setColorAt(std::max(0.0, (radius - 0.5) / outer), colour);
    disc.setColorAt(1.0, edge);
    painter.fillRect(Square(centre, outer), disc);
}

// A ring of `colour` round `centre`, `width` wide, its edges softened as
// the disc's; nothing of it shows beyond `reach`.
void FillRing(QPainter& painter, QPointF centre, qreal radius, qreal width, const QColor& colour, qreal reach)
{
    QRadialGradient ring(centre, reach);
    QColor clear = colour;
    clear.setAlpha(0);
    const auto stop = [&](qreal at, const QColor& stopColour) { ring.setColorAt(std::clamp(at / reach, 0.0, 1.0), stopColour); };
    const qreal inner = radius - width / 2, outer = radius + width / 2;
    stop(0.0, clear);
    stop(inner - 0.5, clear);
    stop(inner + 0.5, colour);
    stop(std::max(inner + 0.5, outer - 0.5), colour);
    stop(outer + 0.5, clear);
    stop(reach, clear);
    const qreal extent = std::min(reach, outer + 0.5);
    painter.fillRect(Square(centre, extent), ring);
}

} // namespace

ClearEffect::ClearEffect(const Pictures& pictures, const TileGrid& grid, QObject* parent)
    : QObject(parent), pictures_(pictures), grid_(grid)
{
    timer_.setInterval(FrameInterval());
    connect(&timer_, &QTimer::timeout, this, &ClearEffect::Advance);
    const QRect top = grid.DeviceRect(CellSpot(FirstColumn, TopRow));
    boardDevice_ = top.united(grid.DeviceRect(CellSpot(LastColumn, LaunchRow)));
}

void ClearEffect::start(const Clearing& clearing)
{
    stop();
    QRect cleared;
    for (const ClearedBlock& block : clearing.blocks) {
        const QRect device = grid_.DeviceRect(CellSpot(block.column, block.row));
        bursts_.push_back({device, block.kind, std::min(block.step, LastStepDelayed) * StepMilliseconds});
        cleared |= device;
    }
    if (bursts_.empty())
        return;
    points_ = PointsPicture(clearing.points);
    pointsCentre_ = cleared.center();
    clock_.start();
    frameMs_ = 0;
    timer_.start();
    area_ = FrameArea();
    emit areaChanged(area_);
}

void ClearEffect::stop()
{
    timer_.stop();
    bursts_.clear();
    const QRegion last = area_;
    area_ = QRegion();
    if (!last.isEmpty())
        emit areaChanged(last);
}

void ClearEffect::Advance()
{
    frameMs_ = int(clock_.elapsed());
    if (frameMs_ >= Milliseconds) {
        stop();
        return;
    }
    const QRegion last = area_;
    area_ = FrameArea();
    emit areaChanged(last | area_);
}

// The cells still bursting, and the points where they stand now.
QRegion ClearEffect::FrameArea() const
{
    QRegion area;
    for (const Burst& burst : bursts_)
        if (frameMs_ < burst.startMs + BurstMilliseconds)
            area += grid_.Cover(burst.device);
    area += grid_.Cover(PointsRect());
    return area;
}

// Centred on the cleared blocks, rising, and kept inside the well.
QRect ClearEffect::PointsRect() const
{
    QRect rect = points_.rect();
    const qreal rise = PointsRise * grid_.tileSize() * frameMs_ / Milliseconds;
    rect.moveCenter(pointsCentre_ - QPoint(0, qRound(rise)));
    rect.moveLeft(std::clamp(rect.left(), boardDevice_.left(), boardDevice_.right() - rect.width()));
    rect.moveTop(std::clamp(rect.top(), boardDevice_.top(), boardDevice_.bottom() - rect.height()));
    return rect;
}

// The mean colour of the sphere: the tile without its lavender corners.
QColor ClearEffect::KindColour(int kind) const
{
    const QImage tile = pictures_.tile(kind, TileSize).toImage().convertToFormat(QImage::Format_RGB32);
    if (tile.isNull())
        return Qt::white;
    const QRgb corner = tile.pixel(0, 0);
    qint64 red = 0, green = 0, blue = 0, count = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (const QRgb pixel = tile.pixel(x, y); pixel != corner) {
                red += qRed(pixel), green += qGreen(pixel), blue += qBlue(pixel), ++count;
            }
    return count > 0 ? QColor(int(red / count), int(green / count), int(blue / count)) : QColor(Qt::white);
}

// The block's sphere alone, without the tile's corners.
QPixmap ClearEffect::Sphere(int kind) const
{
    const int size = grid_.tileSize();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(pictures_.tile(kind, size)));
    painter.drawEllipse(QRectF(0, 0, size, size).adjusted(1, 1, -1, -1));
    painter.end();
    return QPixmap::fromImage(image);
}

// Each kind's burst is drawn the first time that kind vanishes.
const QPixmap& ClearEffect::BurstPicture(int kind, qreal phase) const
{
    auto& frames = burstPictures_[std::clamp(kind, 0, MaxKind)];
    if (frames[0].isNull()) {
        const QPixmap sphere = Sphere(kind);
        const QColor colour = KindColour(kind);
        for (int frame = 0; frame < BurstFrames; ++frame) {
            QImage image(grid_.tileSize(), grid_.tileSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            PaintBurst(painter, sphere, colour, (frame + 0.5) / BurstFrames);
            painter.end();
            frames[frame] = QPixmap::fromImage(image);
        }
    }
    return frames[std::clamp(int(phase * BurstFrames), 0, BurstFrames - 1)];
}

void ClearEffect::paint(QPainter& painter) const
{
    if (!running())
        return;
    for (const Burst& burst : bursts_) {
        const qreal phase = qreal(frameMs_ - burst.startMs) / BurstMilliseconds;
        if (phase >= 0.0 && phase < 1.0)
            DrawClipped(painter, burst.device.topLeft(), BurstPicture(burst.kind, phase));
    }
    // The points fade out over the last third.
    const qreal progress = qreal(frameMs_) / Milliseconds;
    const qreal opacity = progress < 2.0 / 3.0 ? 1.0 : 3.0 * (1.0 - progress);
    if (opacity > 0.0) {
        painter.setOpacity(opacity);
        DrawClipped(painter, PointsRect().topLeft(), points_);
        painter.setOpacity(1.0);
    }
}

// The block shrinks and fades into a white-hot flash in its colour, which
// swells and fades in turn; a ring runs out to the tile's edge and sparks
// fly out with it.
void ClearEffect::PaintBurst(QPainter& painter, const QPixmap& sphere, const QColor& colour, qreal phase) const
{
    const qreal size = grid_.tileSize();
    const QPointF centre(size / 2, size / 2);
    const qreal fade = 1.0 - phase;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);

    const qreal shrunk = size * (1.0 - 0.6 * phase);
    painter.setOpacity(fade * std::sqrt(fade));
    painter.drawPixmap(QRectF(centre - QPointF(shrunk, shrunk) / 2, QSizeF(shrunk, shrunk)), sphere, QRectF(sphere.rect()));
    painter.setOpacity(1.0);

    // The glow fades to nothing at its radius, so filling the square round
    // it draws the disc.
    const qreal flash = size * (0.3 + 0.25 * phase);
    QRadialGradient glow(centre, flash);
    QColor core(Qt::white), rim = colour, outside = colour;
    const qreal blaze = phase < 0.25 ? phase / 0.25 : fade / 0.75;
    core.setAlphaF(blaze);
    rim.setAlphaF(blaze * 0.8);
    outside.setAlpha(0);
    glow.setColorAt(0.0, core);
    glow.setColorAt(0.6, rim);
    glow.setColorAt(1.0, outside);
    painter.fillRect(Square(centre, flash) & QRect(0, 0, int(size), int(size)), glow);

    QColor ring = colour.lighter(150);
    ring.setAlphaF(fade);
    FillRing(painter, centre, size * (0.18 + 0.3 * phase), std::max(1.0, size * 0.07 * fade), ring, size / 2);

    QColor spark = colour.lighter(180);
    spark.setAlphaF(fade);
    const qreal reach = size * (0.12 + 0.36 * std::sqrt(phase));
    const qreal sparkRadius = std::max(0.8, size * 0.045 * fade);
    for (int i = 0; i < SparkCount; ++i) {
        const qreal angle = 2.0 * Pi * (i + 0.5 * phase) / SparkCount;
        FillDisc(painter, centre + QPointF(std::cos(angle), std::sin(angle)) * reach, sparkRadius, spark);
    }
}

// The points in gold with a dark shadow, drawn once for the whole effect.
QPixmap ClearEffect::PointsPicture(int32_t points) const
{
    const QString text = QStringLiteral("+%1").arg(points);
    const QFont font = PointsFont(grid_.tileSize());
    const QRect bounds = QFontMetrics(font).boundingRect(text).adjusted(-2, -2, 4, 4);
    QImage image(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    const QRect rect = image.rect().adjusted(2, 2, -4, -4);
    painter.setPen(QColor(0x20, 0x18, 0x30));
    painter.drawText(rect.translated(2, 2), Qt::AlignCenter, text);
    painter.setPen(QColor(0xFF, 0xE0, 0x60));
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace quorvel::ui
