#include "OverlayPanel.h"

#include <QAbstractButton>

namespace quorvel::ui {

// Left alone, the toolkit would pass the focus on to the next control in
// the tab order that can take it, and with none it stays where it is, on a
// control the player no longer sees.
void OverlayPanel::setVisible(bool visible)
{
    if (!visible)
        returnFocus();
    QFrame::setVisible(visible);
    if (parentWidget())
        updateReach(*parentWidget());
    if (!visible)
        emit hidden();
}

void OverlayPanel::returnFocus()
{
    if (isAncestorOf(window()->focusWidget()))
        window()->setFocus(Qt::OtherFocusReason);
}

// A panel wholly covered by one shown above it is as good as hidden: Tab and
// the arrow keys must not reach its controls. Later siblings lie above.
void OverlayPanel::updateReach(QWidget& parent)
{
    const QList<OverlayPanel*> panels = parent.findChildren<OverlayPanel*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < panels.size(); ++i) {
        bool covered = false;
        for (qsizetype j = i + 1; j < panels.size() && !covered; ++j)
            covered = panels[j]->showing() && panels[j]->geometry().contains(panels[i]->geometry());
        if (covered)
            panels[i]->returnFocus();
        panels[i]->setEnabled(!covered);
    }
}

void OverlayPanel::setOkButton(QAbstractButton* ok)
{
    ok_ = ok;
    connect(ok, &QAbstractButton::clicked, this, [this] {
        if (showing())
            emit okClicked();
    });
}

} // namespace quorvel::ui
