#include "PictureControl.h"

#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace quorvel::ui {

namespace {

// The plate's clear frame and its bevel, in logical pixels: inside them lie
// the face and the symbol, which move when the plate is pressed in.
constexpr int PlateBorder = 3;
// Under the pointer every channel is brightened by the same share, so the
// colours keep their differences: the pale symbol stands out of the plate as
// clearly as before instead of both fading towards cream, and the dark
// outline stays dark.
constexpr double LitGain = 1.1;
constexpr int PressedShade = 18;
constexpr int PressedShadowAlpha = 95;
constexpr int PressedShadowDepth = 5;

QPixmap lit(const QPixmap& picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const auto up = [](int channel) { return std::min(255, static_cast<int>(channel * LitGain + 0.5)); };
            line[x] = qRgba(up(qRed(p)), up(qGreen(p)), up(qBlue(p)), qAlpha(p));
        }
    }
    return QPixmap::fromImage(image);
}

QPixmap pressedLook(const QPixmap& picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRectF whole(QPointF(0.0, 0.0), picture.deviceIndependentSize());
    const QRectF face = whole.adjusted(PlateBorder, PlateBorder, -PlateBorder, -PlateBorder);
    const QRectF plate = whole.adjusted(1.0, 1.0, -1.0, -1.0);
    QPainter painter(&image);
    painter.save();
    painter.setClipRect(face);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(QPointF(1.0, 1.0), picture);
    painter.restore();
    // Colour only where the plate is, so its frame stays clear.
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(whole, QColor(0, 0, 0, PressedShade));
    const QColor shadow(0, 0, 0, PressedShadowAlpha);
    const QColor none(0, 0, 0, 0);
    QLinearGradient fromTop(0.0, plate.top(), 0.0, plate.top() + PressedShadowDepth);
    fromTop.setColorAt(0.0, shadow);
    fromTop.setColorAt(1.0, none);
    painter.fillRect(plate, fromTop);
    QLinearGradient fromLeft(plate.left(), 0.0, plate.left() + PressedShadowDepth, 0.0);
    fromLeft.setColorAt(0.0, shadow);
    fromLeft.setColorAt(1.0, none);
    painter.fillRect(plate, fromLeft);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

PictureControl::PictureControl(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

PictureControl::PictureControl(std::shared_ptr<const Pictures> pictures, const char* path, QWidget* parent)
    : QWidget(parent), pictures_(std::move(pictures)), path_(path)
{
}

const QPixmap& PictureControl::picture() const
{
    if (picture_.isNull() && pictures_)
        picture_ = pictures_->side(path_);
    return picture_;
}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture());
}

PictureButton::PictureButton(std::shared_ptr<const Pictures> pictures, const char* path, const QString& action, const QString& keys,
                             QWidget* parent)
    : QAbstractButton(parent), pictures_(std::move(pictures)), path_(path)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    // Repainted as the pointer comes and goes.
    setAttribute(Qt::WA_Hover);
    setAccessibleName(action);
    //: The tooltip of a picture button: what it does, then its keys.
    setToolTip(tr("%1 (%2)").arg(action, keys));
}

const QPixmap& PictureButton::shown() const
{
    const QPixmap& picture = pictures_->side(path_);
    if (isDown()) {
        if (pressed_.isNull())
            pressed_ = pressedLook(picture);
        return pressed_;
    }
    if (underMouse()) {
        if (lit_.isNull())
            lit_ = lit(picture);
        return lit_;
    }
    return picture;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, shown());
}

} // namespace quorvel::ui
