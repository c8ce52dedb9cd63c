#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

class QPainter;

namespace quorvel::ui {

class Pictures;

// The main window's client area, below the menu bar: it paints the chosen
// background pattern, and the window's own colour beyond the pattern, under
// the side column and the panels that stand on it; the well paints the same
// in its own gaps. It covers every pixel of the region it is given, so the
// toolkit fills nothing first.
class ClientArea final : public QWidget {
    Q_OBJECT

public:
    ClientArea(std::shared_ptr<const Pictures> pictures, QWidget* parent);

    // The tile 0..4 of the pattern.
    int background() const { return background_; }
    // Repaints the whole area with the new pattern at once, the gaps of the
    // widgets that paint it themselves included.
    void setBackground(int index);
    // The pattern tiled from the client area's top left, and the window's
    // colour beyond it, over `region` in client pixels. The painter counts in
    // client pixels; its clip, if any, still holds.
    void paintBackground(QPainter& painter, const QRegion& region) const;

signals:
    // The pattern changed: whoever paints it must repaint.
    void backgroundChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void makePattern() const;

    std::shared_ptr<const Pictures> pictures_;
    int background_ = -1;
    mutable QPixmap pattern_;
};

} // namespace quorvel::ui
