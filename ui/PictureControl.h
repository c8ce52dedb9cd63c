#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

#include <memory>

namespace quorvel::ui {

class Pictures;

// A picture drawn unscaled at its control's top left, letting the window's
// background show through its transparent pixels.
class PictureControl final : public QWidget {
    Q_OBJECT

public:
    PictureControl(const QPixmap& picture, QWidget* parent);
    // A picture of the side column, one of the paths in Assets.h, decoded
    // when first painted, so that the window shows without waiting for it.
    PictureControl(std::shared_ptr<const Pictures> pictures, const char* path, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& picture() const;

    mutable QPixmap picture_;
    std::shared_ptr<const Pictures> pictures_;
    const char* path_ = nullptr;
};

// A picture that is a button: it shows the pointing hand, a click (the left
// button coming up over it) emits clicked(), and assistive technology finds a
// push button named `action` that it can press. It never takes the keyboard
// focus: the window's own keys do what it does.
//
// Under the pointer the plate lights up; held down it sinks in, its face and
// symbol pushed down and to the right under a shadow from the upper left. The
// picture, one of the paths in Assets.h, is decoded when first painted, and
// each look is made from it the first time it is needed.
class PictureButton final : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(std::shared_ptr<const Pictures> pictures, const char* path, const QString& action, const QString& keys,
                  QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture as it is painted now: idle, lit or pressed.
    const QPixmap& shown() const;

    std::shared_ptr<const Pictures> pictures_;
    const char* path_;
    mutable QPixmap lit_;
    mutable QPixmap pressed_;
};

} // namespace quorvel::ui
