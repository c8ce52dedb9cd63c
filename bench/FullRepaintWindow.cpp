// The yardstick for the game's painting in play: a plain window of the
// game's size that, every tick of 20 ms, repaints the whole well (every tile
// and the Floor row's background) and the preview, as a game that repaints
// everything at every tick would. It draws the game's own tile pictures on
// the game's background through the game's own grid, so at every scale it
// paints the same device pixels as the game; it needs no keys.
#include "ClientArea.h"
#include "DrawClipped.h"
#include "Pictures.h"
#include "TileSpots.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <array>
#include <memory>

namespace {

using namespace quorvel;
using namespace quorvel::ui;

// A well full of every kind of block, the empty cell among them; the Floor
// row has no tiles.
std::array<int32_t, SpotCount> kindsIn()
{
    std::array<int32_t, SpotCount> kinds;
    for (int spot = 0; spot < SpotCount; ++spot)
        kinds[spot] = spot % Pictures::BlockTiles;
    for (int column = FirstColumn; column <= LastColumn; ++column)
        kinds[cellSpot(column, FloorRow)] = -1;
    return kinds;
}

// Painted as the game's well paints: tiles clipped to their own
// rectangles, in device pixels, and the background in the gaps.
class FullWell final : public QWidget {
public:
    FullWell(const Pictures& pictures, ClientArea* client)
        : QWidget(client), pictures_(pictures), client_(*client), grid_(client->devicePixelRatioF())
    {
        setGeometry(grid_.boardCover().united(grid_.previewCover()));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const qreal ratio = grid_.ratio();
        painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio) * QTransform::fromTranslate(-x(), -y()));
        QRegion tiles;
        for (int spot = 0; spot < SpotCount; ++spot)
            if (const Pictures::Tile& tile = pictures_.tile(kinds_[spot], grid_.tileSize()); !tile.isNull()) {
                drawClipped(painter, grid_.deviceRect(spot), tile);
                tiles += grid_.deviceRect(spot);
            }
        const QRect area = event->rect().translated(pos());
        painter.setClipRegion(QRegion(QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect()).subtracted(tiles));
        painter.setWorldTransform(QTransform::fromTranslate(-x(), -y()));
        client_.paintBackground(painter, area);
    }

private:
    const Pictures& pictures_;
    const ClientArea& client_;
    TileGrid grid_;
    const std::array<int32_t, SpotCount> kinds_ = kindsIn();
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const auto pictures = std::make_shared<const Pictures>(qGuiApp->devicePixelRatio());
    ClientArea window(pictures, nullptr);
    window.setWindowTitle(QStringLiteral("Full repaint"));
    window.setBackground(0);
    window.resize(919, 662);
    FullWell well(*pictures, &window);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &well, qOverload<>(&QWidget::update));
    tick.start(20);
    window.show();
    return application.exec();
}
