#include "OverlayPanel.h"

#include <QAbstractButton>

namespace quorvel::ui {

// Left alone, the toolkit would pass the focus on to the next control in
// the tab order that can take it, and with none it stays where it is, on a
// control the player no longer sees.
void OverlayPanel::setVisible(bool visible)
{
    const bool focusInside = !visible && isAncestorOf(window()->focusWidget());
    QFrame::setVisible(visible);
    if (focusInside)
        window()->setFocus(Qt::OtherFocusReason);
}

void OverlayPanel::setOkButton(QAbstractButton* ok, std::function<void()> handler)
{
    ok_ = ok;
    connect(ok, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] {
        if (showing())
            handler();
    });
}

} // namespace quorvel::ui
