#pragma once

#include "Pictures.h"

#include <QPainter>
#include <QPixmap>

namespace quorvel::ui {

// Draws a tile at its place in device pixels clipped to that rectangle, and
// leaves that clip set; a tile of one colour is filled. Under the clip of a
// paint event of many rectangles the toolkit blends a picture span by span,
// handing pictures of 96 lines or more to helper threads, which costs many
// times the copy; clipped to one rectangle it copies the picture line by
// line.
inline void drawClipped(QPainter& painter, const QRect& device, const Pictures::Tile& tile)
{
    painter.setClipRect(device);
    if (tile.flat.isValid())
        painter.fillRect(device, tile.flat);
    else
        painter.drawPixmap(device.topLeft(), tile.picture);
}

} // namespace quorvel::ui
