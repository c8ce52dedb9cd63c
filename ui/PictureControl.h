#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

namespace quorvel::ui {

// A picture drawn unscaled at its control's top left, letting the window's
// background show through its transparent pixels.
class PictureControl final : public QWidget {
    Q_OBJECT

public:
    PictureControl(const QPixmap& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

// A picture that is a button: it shows the pointing hand, a click (the left
// button coming up over it) emits clicked(), and assistive technology finds a
// push button named `action` that it can press. It never takes the keyboard
// focus: the window's own keys do what it does.
//
// Under the pointer the plate lights up; held down it sinks in, its face and
// symbol pushed down and to the right under a shadow from the upper left. Both
// looks are made from the picture the first time they are needed, so start-up
// loads and decodes nothing more.
class PictureButton final : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(const QPixmap& picture, const QString& action, const QString& keys, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture as it is painted now: idle, lit or pressed.
    const QPixmap& shown() const;

    QPixmap picture_;
    mutable QPixmap lit_;
    mutable QPixmap pressed_;
};

} // namespace quorvel::ui
