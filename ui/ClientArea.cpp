#include "ClientArea.h"

#include "Geometry.h"
#include "Pictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {

ClientArea::ClientArea(std::shared_ptr<const Pictures> pictures, QWidget* parent)
    : QWidget(parent), pictures_(std::move(pictures))
{
    setObjectName(QStringLiteral("client"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::setBackground(int index)
{
    background_ = index;
    // Made by the next paint: the one set before the window first shows
    // then costs its start nothing.
    pattern_ = QPixmap();
    emit backgroundChanged();
    repaint();
}

// A choice without a tile fills plain white. The tiles are opaque, so a tile
// serves as its own pattern.
void ClientArea::makePattern() const
{
    const QPixmap& tile = pictures_->background(background_);
    if (!tile.isNull()) {
        pattern_ = tile;
        return;
    }
    QPixmap white(Pictures::BackgroundTileSize, Pictures::BackgroundTileSize);
    white.fill(Qt::white);
    pattern_ = white;
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintBackground(painter, event->region());
}

void ClientArea::paintBackground(QPainter& painter, const QRegion& region) const
{
    if (pattern_.isNull())
        makePattern();
    const QRegion beyondPattern = region.subtracted(PatternRect);
    if (!beyondPattern.isEmpty()) {
        painter.save();
        painter.setClipRegion(beyondPattern, Qt::IntersectClip);
        painter.fillRect(beyondPattern.boundingRect(), palette().color(QPalette::Window));
        painter.restore();
    }
    painter.save();
    painter.setClipRegion(region, Qt::IntersectClip);
    painter.drawTiledPixmap(PatternRect, pattern_);
    painter.restore();
}

} // namespace quorvel::ui
