#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

#include <algorithm>

namespace quorvel::ui {

// The window's frame round its client area, as the window system last told.
inline QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
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

// Moves a top-level window, whose position is its frame's, to framePlace.
inline void centreWindow(QWidget& window, const QRect& area)
{
    window.move(framePlace(window.size(), frameMargins(window), area));
}

// Moves a top-level window so that its frame is centred on the frame of
// `over`. A window not yet framed by the window manager is taken to get the
// same frame as `over`, so that it opens centred, not a title bar's height
// off; once framed it is put right, if it must be.
inline void centreOver(QWidget& window, const QWidget& over)
{
    QMargins margins = frameMargins(window);
    if (margins.isNull())
        margins = frameMargins(over);
    QRect frame = window.geometry().marginsAdded(margins);
    frame.moveCenter(over.frameGeometry().center());
    window.move(frame.topLeft());
}

} // namespace quorvel::ui
