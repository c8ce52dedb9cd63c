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
class PictureButton final : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(const QPixmap& picture, const QString& action, const QString& keys, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace quorvel::ui
