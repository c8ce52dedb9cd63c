#include "PictureControl.h"

#include <QPainter>

namespace quorvel::ui {

PictureControl::PictureControl(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}

PictureButton::PictureButton(const QPixmap& picture, const QString& action, const QString& keys, QWidget* parent)
    : QAbstractButton(parent), picture_(picture)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(action);
    setToolTip(QStringLiteral("%1 (%2)").arg(action, keys));
}

// The picture is the same up or down, as the layout gives it.
void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}

} // namespace quorvel::ui
