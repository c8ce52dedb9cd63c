#pragma once

#include "Pictures.h"

#include <QPainter>
#include <QPixmap>

namespace quorvel::ui {

// Draws a picture clipped to its own rectangle, and leaves that clip set.
// Under the clip of a paint event of many rectangles the toolkit blends a
// picture span by span, handing pictures of 96 lines or more to helper
// threads, which costs many times the copy; clipped to one rectangle it
// copies or blends the picture line by line.
inline void drawClipped(QPainter& painter, QPoint at, const QPixmap& picture)
{
    painter.setClipRect(QRect(at, picture.deviceIndependentSize().toSize()));
    painter.drawPixmap(at, picture);
}

// A tile at its place in device pixels: a tile of one colour is filled.
inline void drawClipped(QPainter& painter, const QRect& device, const Pictures::Tile& tile)
{
    painter.setClipRect(device);
    if (tile.flat.isValid())
        painter.fillRect(device, tile.flat);
    else
        painter.drawPixmap(device.topLeft(), tile.picture);
}

} // namespace quorvel::ui
