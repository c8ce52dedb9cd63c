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
constexpr qreal PointsRise = 0.7;      // in tiles, over the whole replay
constexpr qreal PointsTextSize = 0.4;  // of a tile
constexpr qreal Pi = 3.14159265358979;

// A frame every refresh of a 60 Hz screen, so that the blocks rise
// smoothly; never faster than the screen.
int frameInterval()
{
    constexpr int Fastest = 16;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal rate = screen ? screen->refreshRate() : 60.0;
    return std::max(Fastest, int(std::ceil(1000.0 / std::max(rate, 1.0))));
}

QFont pointsFont(int tileSize)
{
    return gameFont(std::max(1, qRound(tileSize * PointsTextSize)), true);
}

// The whole pixels round a circle: a rectangle on whole pixels is filled
// span by span, where one with fractional edges is drawn as a path.
QRect square(QPointF centre, qreal radius)
{
    return QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)).toAlignedRect();
}

// A disc of `colour` round `centre`, its edge softened over about a pixel,
// filled through a gradient: the toolkit strokes an ellipse as a path,
// which for a dozen small shapes costs many times more than these fills.
void fillDisc(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    const qreal outer = radius + 0.5;
    QRadialGradient disc(centre, outer);
    QColor edge = colour;
    edge.setAlpha(0);
    disc.setColorAt(0.0, colour);
    disc.setColorAt(std::max(0.0, (radius - 0.5) / outer), colour);
    disc.setColorAt(1.0, edge);
    painter.fillRect(square(centre, outer), disc);
}

// A ring of `colour` round `centre`, `width` wide, its edges softened as
// the disc's; nothing of it shows beyond `reach`.
void fillRing(QPainter& painter, QPointF centre, qreal radius, qreal width, const QColor& colour, qreal reach)
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
    painter.fillRect(square(centre, extent), ring);
}

} // namespace

ClearEffect::ClearEffect(const Pictures& pictures, const TileGrid& grid, const ShownTiles& shown, QObject* parent)
    : QObject(parent), pictures_(pictures), grid_(grid), shown_(shown)
{
    timer_.setInterval(frameInterval());
    connect(&timer_, &QTimer::timeout, this, &ClearEffect::advance);
    const QRect top = grid.deviceRect(cellSpot(FirstColumn, TopRow));
    boardDevice_ = top.united(grid.deviceRect(cellSpot(LastColumn, LaunchRow)));
}

// Each step takes an equal share of the replay; one with blocks to rise
// gives part of it to them.
void ClearEffect::start(const Clearing& clearing)
{
    stop();
    const int stepCount = int(clearing.boards.size());
    if (stepCount == 0)
        return;
    clearing_ = clearing;
    const int stepMs = milliseconds(stepCount) / stepCount;
    steps_.clear();
    for (int s = 0; s < stepCount; ++s) {
        const bool rises = std::any_of(clearing.rises.begin(), clearing.rises.end(), [s](const RisenBlock& rise) { return rise.step == s; });
        const int burstMs = rises ? qRound(stepMs * BurstShare) : stepMs;
        steps_.push_back({s * stepMs, burstMs, stepMs - burstMs});
    }
    milliseconds_ = stepMs * stepCount;
    QRect cleared;
    for (const ClearedBlock& block : clearing.blocks)
        if (block.step == 0)
            cleared |= grid_.deviceRect(cellSpot(block.column, block.row));
    points_ = pointsPicture(clearing.points);
    pointsCentre_ = cleared.center();
    clock_.start();
    frameMs_ = 0;
    timer_.start();
    advance();
}

void ClearEffect::stop()
{
    timer_.stop();
    next_ = Frame();
    QRegion dirty = difference(frame_, next_);
    std::swap(frame_, next_);
    if (dirty.isEmpty())
        return;
    // At a fractional scale a repaint of part of the well can leave the
    // pattern in a line between tiles a shade off where something moved
    // across it; the whole play area, repainted once, is exactly what a full
    // repaint draws. At a whole scale every client pixel is whole device
    // pixels, and what differs is all there is to repaint.
    if (grid_.ratio() != std::round(grid_.ratio()))
        dirty = grid_.cover(boardDevice_);
    emit areaChanged(dirty);
}

void ClearEffect::advance()
{
    frameMs_ = int(clock_.elapsed());
    if (frameMs_ >= milliseconds_) {
        stop();
        return;
    }
    makeFrame(next_);
    const QRegion dirty = difference(frame_, next_);
    std::swap(frame_, next_);
    if (!dirty.isEmpty())
        emit areaChanged(dirty);
}

// Above the launch row the board of the step on show, its cleared cells
// empty under their bursts; once they have burst, the cells the rising
// blocks leave empty too, and each rising block between its two cells.
void ClearEffect::makeFrame(Frame& frame) const
{
    int s = 0;
    while (s + 1 < int(steps_.size()) && steps_[s + 1].startMs <= frameMs_)
        ++s;
    const Step& step = steps_[s];
    const int into = frameMs_ - step.startMs;
    const bool risingNow = into >= step.burstMs;
    const PlayArea& board = clearing_.boards[s];
    frame.tiles.fill(-1);
    for (int c = FirstColumn; c <= LastColumn; ++c)
        for (int r = EntryRow; r <= TopRow; ++r)
            frame.tiles[cellSpot(c, r)] = board[c - FirstColumn][r - LaunchRow];
    const auto empty = [&frame](int column, int row) {
        if (row >= EntryRow)
            frame.tiles[cellSpot(column, row)] = Empty;
    };
    frame.bursts.clear();
    for (const ClearedBlock& block : clearing_.blocks) {
        if (block.step != s)
            continue;
        empty(block.column, block.row);
        if (!risingNow)
            frame.bursts.push_back({grid_.deviceRect(cellSpot(block.column, block.row)), block.kind, qreal(into) / step.burstMs});
    }
    frame.rising.clear();
    if (risingNow) {
        const qreal progress = std::clamp(qreal(into - step.burstMs) / std::max(1, step.riseMs), 0.0, 1.0);
        const qreal eased = progress * progress * (3.0 - 2.0 * progress);
        for (const RisenBlock& rise : clearing_.rises) {
            if (rise.step != s)
                continue;
            empty(rise.column, rise.fromRow);
            QRect device = grid_.deviceRect(cellSpot(rise.column, rise.fromRow));
            const int top = grid_.deviceRect(cellSpot(rise.column, rise.toRow)).top();
            device.moveTop(device.top() + qRound((top - device.top()) * eased));
            frame.rising.push_back({device, rise.kind, 0.0});
        }
    }
    // The points fade out over the last third.
    const qreal progress = qreal(frameMs_) / milliseconds_;
    frame.points = pointsRect();
    frame.pointsOpacity = progress < 2.0 / 3.0 ? 1.0 : 3.0 * (1.0 - progress);
}

int32_t ClearEffect::shown(const Frame& frame, int spot) const
{
    return frame.tiles[spot] >= 0 ? frame.tiles[spot] : shown_.tile(spot);
}

int32_t ClearEffect::tile(int spot) const
{
    return shown(frame_, spot);
}

QRegion ClearEffect::overlay(const Frame& frame) const
{
    QRegion overlay;
    for (const Sprite& sprite : frame.rising)
        overlay += grid_.cover(sprite.device);
    for (const Sprite& sprite : frame.bursts)
        overlay += grid_.cover(sprite.device);
    if (frame.pointsOpacity > 0.0)
        overlay += grid_.cover(frame.points);
    return overlay;
}

QRegion ClearEffect::difference(const Frame& from, const Frame& to) const
{
    QRegion dirty = overlay(from) + overlay(to);
    for (int spot = 0; spot < SpotCount; ++spot)
        if (shown(from, spot) != shown(to, spot))
            dirty += grid_.cover(spot);
    return dirty;
}

// What a frame showing nothing of the replay would leave to repaint.
QRegion ClearEffect::area() const
{
    return difference(frame_, Frame());
}

// Centred on the blocks the landing itself cleared, rising, and kept inside
// the well.
QRect ClearEffect::pointsRect() const
{
    QRect rect = points_.rect();
    const qreal rise = PointsRise * grid_.tileSize() * frameMs_ / std::max(1, milliseconds_);
    rect.moveCenter(pointsCentre_ - QPoint(0, qRound(rise)));
    rect.moveLeft(std::clamp(rect.left(), boardDevice_.left(), boardDevice_.right() - rect.width()));
    rect.moveTop(std::clamp(rect.top(), boardDevice_.top(), boardDevice_.bottom() - rect.height()));
    return rect;
}

// The mean colour of the sphere: the tile without its lavender corners.
QColor ClearEffect::kindColour(int kind) const
{
    const Pictures::Tile& picture = pictures_.tile(kind, grid_.tileSize());
    if (picture.flat.isValid())
        return picture.flat;
    const QImage tile = picture.picture.toImage().convertToFormat(QImage::Format_RGB32);
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

// Each picture of a burst is drawn the first time it shows: a replay cut
// short by the next key needs only its first few.
const QPixmap& ClearEffect::burstPicture(int kind, qreal phase) const
{
    kind = std::clamp(kind, 0, MaxKind);
    const int frame = std::clamp(int(phase * BurstFrames), 0, BurstFrames - 1);
    QPixmap& picture = burstPictures_[kind][frame];
    if (picture.isNull()) {
        QColor& colour = burstColours_[kind];
        if (!colour.isValid())
            colour = kindColour(kind);
        QImage image(grid_.tileSize(), grid_.tileSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintBurst(painter, pictures_.tile(kind, grid_.tileSize()).picture, colour, (frame + 0.5) / BurstFrames);
        painter.end();
        picture = QPixmap::fromImage(std::move(image));
    }
    return picture;
}

void ClearEffect::paint(QPainter& painter) const
{
    if (!running())
        return;
    for (const Sprite& block : frame_.rising)
        drawClipped(painter, block.device, pictures_.tile(block.kind, grid_.tileSize()));
    for (const Sprite& burst : frame_.bursts)
        drawClipped(painter, burst.device.topLeft(), burstPicture(burst.kind, burst.phase));
    if (frame_.pointsOpacity > 0.0) {
        painter.setOpacity(frame_.pointsOpacity);
        drawClipped(painter, frame_.points.topLeft(), points_);
        painter.setOpacity(1.0);
    }
}

// The block shrinks and fades into a white-hot flash in its colour, which
// swells and fades in turn; a ring runs out to the tile's edge and sparks
// fly out with it.
void ClearEffect::paintBurst(QPainter& painter, const QPixmap& tile, const QColor& colour, qreal phase) const
{
    const qreal size = grid_.tileSize();
    const QPointF centre(size / 2, size / 2);
    const qreal fade = 1.0 - phase;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);

    // The tile's sphere, without its corners, shrunk about its centre.
    const qreal shrink = 1.0 - 0.6 * phase;
    QBrush sphere(tile);
    sphere.setTransform(QTransform::fromTranslate(centre.x(), centre.y()).scale(shrink, shrink).translate(-centre.x(), -centre.y()));
    painter.setOpacity(fade * std::sqrt(fade));
    painter.setBrush(sphere);
    painter.drawEllipse(centre, shrink * (size / 2 - 1), shrink * (size / 2 - 1));
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
    painter.fillRect(square(centre, flash) & QRect(0, 0, int(size), int(size)), glow);

    QColor ring = colour.lighter(150);
    ring.setAlphaF(fade);
    fillRing(painter, centre, size * (0.18 + 0.3 * phase), std::max(1.0, size * 0.07 * fade), ring, size / 2);

    QColor spark = colour.lighter(180);
    spark.setAlphaF(fade);
    const qreal reach = size * (0.12 + 0.36 * std::sqrt(phase));
    const qreal sparkRadius = std::max(0.8, size * 0.045 * fade);
    for (int i = 0; i < SparkCount; ++i) {
        const qreal angle = 2.0 * Pi * (i + 0.5 * phase) / SparkCount;
        fillDisc(painter, centre + QPointF(std::cos(angle), std::sin(angle)) * reach, sparkRadius, spark);
    }
}

// The points in gold on a dark plate with a gold rim, which reads on every
// tile and background; drawn once for the whole replay.
QPixmap ClearEffect::pointsPicture(int32_t points) const
{
    const QString text = QStringLiteral("+%1").arg(points);
    const QFont font = pointsFont(grid_.tileSize());
    const QFontMetrics metrics(font);
    const int rim = std::max(1, qRound(grid_.tileSize() / 62.0));
    const int padding = std::max(2, qRound(grid_.tileSize() * 0.08));
    const QSize size(metrics.horizontalAdvance(text) + 2 * (padding + rim), metrics.height() + 2 * rim);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xFF, 0xE0, 0x60);
    painter.setPen(QPen(gold, rim));
    painter.setBrush(QColor(0x1C, 0x14, 0x30, 0xE0));
    const QRectF plate = QRectF(image.rect()).adjusted(rim / 2.0, rim / 2.0, -rim / 2.0, -rim / 2.0);
    painter.drawRoundedRect(plate, plate.height() / 3, plate.height() / 3);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace quorvel::ui
