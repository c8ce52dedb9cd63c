#pragma once

#include "Board.h"
#include "Clearing.h"

#include <QColor>
#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QRegion>
#include <QTimer>

#include <array>
#include <vector>

class QPainter;

namespace quorvel::ui {

class Pictures;
class TileGrid;

// The blocks of a landing shrinking into a burst of light where they stood, each step of a chain a
// little after the one before, and the points won rising from them; gone
// within 300 ms. It only draws over the well: the game never waits for it.
// Between its frames it keeps still, so whatever repaints the well in the
// meantime draws the same frame; its clock runs only while it shows.
class ClearEffect final : public QObject {
    Q_OBJECT

public:
    ClearEffect(const Pictures& pictures, const TileGrid& grid, QObject* parent);

    // Replaces whatever was showing.
    void start(const Clearing& clearing);
    void stop();
    bool running() const { return timer_.isActive(); }
    // The client pixels the frame on show covers.
    const QRegion& area() const { return area_; }
    // Draws the frame on show; the painter counts in device pixels from the
    // client area's top left, and is left clipped to the last picture.
    void paint(QPainter& painter) const;

    static constexpr int BurstMilliseconds = 240;
    static constexpr int StepMilliseconds = 30;
    static constexpr int LastStepDelayed = 2;
    static constexpr int Milliseconds = BurstMilliseconds + LastStepDelayed * StepMilliseconds;
    // Pictures of each kind's burst, drawn once, for a frame rate of 30.
    static constexpr int BurstFrames = 8;

signals:
    // Client pixels to repaint: the last frame's and the next one's.
    void areaChanged(const QRegion& dirty);

private:
    struct Burst {
        QRect device;
        int kind;
        int startMs;
    };

    void Advance();
    QRegion FrameArea() const;
    QRect PointsRect() const;
    QColor KindColour(int kind) const;
    QPixmap Sphere(int kind) const;
    const QPixmap& BurstPicture(int kind, qreal phase) const;
    void PaintBurst(QPainter& painter, const QPixmap& sphere, const QColor& colour, qreal phase) const;
    QPixmap PointsPicture(int32_t points) const;

    const Pictures& pictures_;
    const TileGrid& grid_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<Burst> bursts_;
    QPixmap points_;
    QPoint pointsCentre_;
    QRect boardDevice_;
    int frameMs_ = 0;
    QRegion area_;
    // Made when first needed, at the grid's tile size.
    mutable std::array<std::array<QPixmap, BurstFrames>, MaxKind + 1> burstPictures_{};
};

} // namespace quorvel::ui
