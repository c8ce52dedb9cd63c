#include "ClientArea.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {

ClientArea::ClientArea(Painter paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paint_(painter, event->region());
}

} // namespace quorvel::ui
