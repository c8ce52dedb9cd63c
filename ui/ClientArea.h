#pragma once

#include <QPixmap>
#include <QWidget>

namespace quorvel::ui {

class Pictures;

// The main window's client area, below the menu bar: it paints the chosen
// background pattern, and the window's own colour beyond the pattern, under
// the well, the side column and the panels that stand on it. It covers every
// pixel of the region it is given, so the toolkit fills nothing first.
class ClientArea final : public QWidget {
    Q_OBJECT

public:
    ClientArea(const Pictures& pictures, QWidget* parent);

    // The tile 0..4 of the pattern.
    int background() const { return background_; }
    // Repaints the whole area with the new pattern at once.
    void setBackground(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void MakePattern();

    const Pictures& pictures_;
    int background_ = -1;
    QPixmap pattern_;
};

} // namespace quorvel::ui
