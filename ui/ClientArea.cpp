#include "ClientArea.h"

#include "Geometry.h"
#include "Pictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {

ClientArea::ClientArea(const Pictures& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures)
{
    setObjectName(QStringLiteral("client"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::setBackground(int index)
{
    background_ = index;
    MakePattern();
    repaint();
}

// A choice without a tile fills plain white. The tiles are opaque, so a tile
// serves as its own pattern.
void ClientArea::MakePattern()
{
    const QPixmap& tile = pictures_.background(background_);
    if (!tile.isNull()) {
        pattern_ = tile;
        return;
    }
    QPixmap white(Pictures::BackgroundTileSize, Pictures::BackgroundTileSize);
    white.fill(Qt::white);
    pattern_ = white;
}

// The pattern, tiled from the origin wherever the region starts, and the
// window's colour beyond it.
void ClientArea::paintEvent(QPaintEvent* event)
{
    if (pattern_.isNull())
        MakePattern();
    QPainter painter(this);
    const QRegion beyondPattern = event->region().subtracted(PatternRect);
    if (!beyondPattern.isEmpty()) {
        painter.setClipRegion(beyondPattern);
        painter.fillRect(beyondPattern.boundingRect(), palette().color(QPalette::Window));
    }
    painter.setClipRegion(event->region());
    painter.drawTiledPixmap(PatternRect, pattern_);
}

} // namespace quorvel::ui
