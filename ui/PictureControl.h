#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace quorvel::ui {

// A picture drawn unscaled at its control's top left, letting the window's
// background show through its transparent pixels. One that has a click
// handler shows the pointing hand.
class PictureControl final : public QWidget {
public:
    PictureControl(const QPixmap& picture, QWidget* parent);

    void setClickHandler(std::function<void()> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    std::function<void()> clicked_;
    bool pressed_ = false;
};

} // namespace quorvel::ui
