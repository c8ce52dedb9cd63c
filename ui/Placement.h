#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdint>

namespace quorvel::ui {

// The window's frame round its client area, as the window system last told.
inline QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The frame as an X11 window manager announces it: left, right, top and
// bottom, in device pixels.
inline QMargins announcedFrame(const std::array<uint32_t, 4>& extents, qreal ratio)
{
    const auto logical = [ratio](uint32_t pixels) { return qRound(pixels / ratio); };
    return {logical(extents[0]), logical(extents[2]), logical(extents[1]), logical(extents[3])};
}

// Where the top left of a window's frame goes on `area`: the frame centred
// where it fits; where it does not, its top left inside the area, so that
// the title bar and the menu can always be reached.
inline QPoint framePlace(const QSize& window, const QMargins& frame, const QRect& area)
{
    const QSize outer = window.grownBy(frame);
    const auto along = [](int start, int room, int length) { return start + std::max(0, (room - length) / 2); };
    return {along(area.left(), area.width(), outer.width()), along(area.top(), area.height(), outer.height())};
}

// Where the top left of a window's frame goes for the frame to be centred
// on the frame `over`.
inline QPoint centredOver(const QSize& window, const QMargins& frame, const QRect& over)
{
    QRect outer(QPoint(), window.grownBy(frame));
    outer.moveCenter(over.center());
    return outer.topLeft();
}

} // namespace quorvel::ui
