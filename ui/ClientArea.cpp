#include "ClientArea.h"

#include <QPainter>

namespace quorvel::ui {

ClientArea::ClientArea(Painter paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint))
{
    setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint_(painter);
}

} // namespace quorvel::ui
