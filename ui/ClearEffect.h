#pragma once

#include "Board.h"
#include "Clearing.h"
#include "TileSpots.h"

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

// A landing's chain played again over the well, step by step, after the
// game has already gone on: in each step the cleared blocks burst where they
// stood while every other cell above the launch row shows the board as it
// was then, and then the blocks below each gap rise into place; the points
// won rise over it all. The launch row and the preview show the game as it
// is, the next piece waiting. It only draws: the game never waits for it,
// and stopping it shows the true board at once.
// Between its frames it keeps still, so whatever repaints the well in the
// meantime draws the same frame; its clock runs only while it shows.
class ClearEffect final : public QObject {
    Q_OBJECT

public:
    ClearEffect(const Pictures& pictures, const TileGrid& grid, const ShownTiles& shown, QObject* parent);

    // Replaces whatever was showing.
    void start(const Clearing& clearing);
    void stop();
    bool running() const { return timer_.isActive(); }
    // The tile the well shows at a place: the replay's while it runs there,
    // the shown one elsewhere.
    int32_t tile(int spot) const;
    // The client pixels where the frame on show differs from the shown tiles.
    QRegion area() const;
    // Draws what moves over the tiles; the painter counts in device pixels
    // from the client area's top left, and is left clipped to the last
    // picture.
    void paint(QPainter& painter) const;

    // The whole replay of a chain of `steps` steps: a longer chain plays
    // each step faster, and none takes longer than three.
    static constexpr int milliseconds(int steps) { return 160 + 80 * (steps < 3 ? steps : 3); }
    // Of a step with blocks to rise, the part in which its blocks burst.
    static constexpr qreal BurstShare = 0.6;
    // Pictures of each kind's burst, drawn once.
    static constexpr int BurstFrames = 8;

signals:
    // Client pixels to repaint: what the last frame and the next one draw
    // differently.
    void areaChanged(const QRegion& dirty);

private:
    struct Step {
        int startMs;
        int burstMs;
        int riseMs;
    };
    struct Sprite {
        QRect device;
        int kind;
        qreal phase; // of a burst
    };
    // What one moment of the replay shows: a tile at each place, or -1 where
    // it shows the shown tile, and what moves over the tiles.
    struct Frame {
        std::array<int32_t, SpotCount> tiles = [] {
            std::array<int32_t, SpotCount> none{};
            none.fill(-1);
            return none;
        }();
        std::vector<Sprite> rising;
        std::vector<Sprite> bursts;
        QRect points;
        qreal pointsOpacity = 0.0;
    };

    void advance();
    void makeFrame(Frame& frame) const;
    int32_t shown(const Frame& frame, int spot) const;
    QRegion overlay(const Frame& frame) const;
    QRegion difference(const Frame& from, const Frame& to) const;
    QRect pointsRect() const;
    QColor kindColour(int kind) const;
    const QPixmap& burstPicture(int kind, qreal phase) const;
    void paintBurst(QPainter& painter, const QPixmap& tile, const QColor& colour, qreal phase) const;
    QPixmap pointsPicture(int32_t points) const;

    const Pictures& pictures_;
    const TileGrid& grid_;
    const ShownTiles& shown_;
    QTimer timer_;
    QElapsedTimer clock_;
    Clearing clearing_;
    std::vector<Step> steps_;
    int milliseconds_ = 0;
    QPixmap points_;
    QPoint pointsCentre_;
    QRect boardDevice_;
    int frameMs_ = 0;
    Frame frame_;
    Frame next_;
    // Made when first needed, at the grid's tile size.
    mutable std::array<std::array<QPixmap, BurstFrames>, MaxKind + 1> burstPictures_{};
    mutable std::array<QColor, MaxKind + 1> burstColours_{};
};

} // namespace quorvel::ui
