#include "PictureControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvel::ui {

PictureControl::PictureControl(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

void PictureControl::setClickHandler(std::function<void()> handler)
{
    clicked_ = std::move(handler);
    setCursor(Qt::PointingHandCursor);
}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

// A click completes when the button comes up over the picture, as with any
// button on the desktop.
void PictureControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && clicked_)
        clicked_();
}

} // namespace quorvel::ui
