#include "DxButton.h"

#include <QLinearGradient>
#include <QPainter>

namespace quorvel::ui {
namespace {

const QColor OutlineColour(0x00, 0x3C, 0x73);
const QColor FaceTop(Qt::white);
const QColor FaceBottom(0xEF, 0xEB, 0xE7);
constexpr qreal CornerRadius = 4;
// The focused button's outline is thicker and a second ring runs inside it,
// so the focus shows at a glance.
constexpr qreal FocusRingInset = 3;

} // namespace

// Enter and keypad Enter press the focused button, as Space does; outside a
// dialog a push button only does that when it is an auto-default one.
DxButton::DxButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(true);
}

void DxButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(frame.topLeft(), frame.bottomLeft());
    const bool pressed = isDown();
    face.setColorAt(0, pressed ? FaceBottom : FaceTop);
    face.setColorAt(1, pressed ? FaceTop : FaceBottom);
    painter.setPen(QPen(OutlineColour, hasFocus() ? 2 : 1));
    painter.setBrush(face);
    painter.drawRoundedRect(frame, CornerRadius, CornerRadius);
    if (hasFocus()) {
        painter.setPen(QPen(OutlineColour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(FocusRingInset, FocusRingInset, -FocusRingInset, -FocusRingInset),
                                CornerRadius - 1, CornerRadius - 1);
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter, text());
}

} // namespace quorvel::ui
