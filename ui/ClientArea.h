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

// Stands over the painted well for assistive technology, which finds it as a
// picture named "Well" and described by `describe`. It draws nothing, takes
// no clicks and lets the client area's painting show through.
class WellArea final : public QWidget {
public:
    WellArea(std::function<QString()> describe, QWidget* parent);

    // Takes the description afresh and tells assistive technology if it changed.
    void describe();

private:
    std::function<QString()> describe_;
};

} // namespace quorvel::ui
