#pragma once

#include <QWidget>

#include <functional>

namespace quorvel::ui {

// The main window's client area, below the menu bar: the surface that the
// background, the well and the preview are painted on. Its painter covers
// every pixel of the region it is given, so the toolkit fills nothing first.
class ClientArea final : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QRegion&)>;
    ClientArea(Painter paint, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter paint_;
};

} // namespace quorvel::ui
