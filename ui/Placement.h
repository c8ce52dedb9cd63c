#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

namespace quorvel::ui {

// Moves a top-level window so that its frame is centred on `area`.
inline void CentreWindow(QWidget& window, const QRect& area)
{
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

// The window's frame round its client area, as the window system last told.
inline QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Moves a top-level window so that its frame is centred on the frame of
// `over`. A window not yet framed by the window manager is taken to get the
// same frame as `over`, so that it opens centred, not a title bar's height
// off; once framed it is put right, if it must be.
inline void CentreOver(QWidget& window, const QWidget& over)
{
    QMargins margins = FrameMargins(window);
    if (margins.isNull())
        margins = FrameMargins(over);
    QRect frame = window.geometry().marginsAdded(margins);
    frame.moveCenter(over.frameGeometry().center());
    window.move(frame.topLeft());
}

} // namespace quorvel::ui
