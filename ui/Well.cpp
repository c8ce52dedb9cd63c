#include "Well.h"

#include "BoardDescription.h"
#include "ClientArea.h"
#include "DrawClipped.h"
#include "Pictures.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {
namespace {

QAccessibleInterface* wellAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Well::staticMetaObject.className()))
        if (auto* well = qobject_cast<Well*>(object))
            return new QAccessibleWidget(well, QAccessible::Graphic);
    return nullptr;
}

} // namespace

Well::Well(std::shared_ptr<const Pictures> pictures, ClientArea* client)
    : QWidget(client), pictures_(std::move(pictures)), grid_(client->devicePixelRatioF())
{
    static const bool factoryInstalled = (QAccessible::installFactory(wellAccessible), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("well"));
    setGeometry(grid_.boardCover().united(grid_.previewCover()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Well"));
    connect(client, &ClientArea::backgroundChanged, this, qOverload<>(&QWidget::update));
}

// While the window is still hidden its first picture will show every tile,
// so the tiles count as shown all the same.
void Well::showBoard(const Game& game)
{
    const QRegion changed = shown_.update(game, grid_);
    if (!changed.isEmpty())
        repaint(changed.translated(-pos()));
    // A rising piece would change the description fifty times a second; a
    // screen reader hears of the piece where it waits or lands.
    if (!game.InFlight())
        describe(game);
}

void Well::showClearing(int blocks, int32_t points)
{
    //: A landing's total over every step of its chain.
    cleared_ = tr("%n blocks vanished, %1 points", nullptr, blocks).arg(points);
}

void Well::endClearing()
{
    cleared_.clear();
}

// Counted in device pixels from the client area's top left, so that every
// tile lands on whole pixels whatever the scale.
void Well::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = grid_.ratio();
    const QTransform fromDevice = QTransform::fromScale(1.0 / ratio, 1.0 / ratio) * QTransform::fromTranslate(-x(), -y());
    const QRegion region = event->region().translated(pos());
    QRegion tiles;
    painter.setWorldTransform(fromDevice);
    for (int spot = 0; spot < SpotCount; ++spot)
        if (region.intersects(grid_.cover(spot))) {
            const Pictures::Tile& tile = pictures_->tile(shown_.tile(spot), grid_.tileSize());
            if (tile.isNull())
                continue;
            drawClipped(painter, grid_.deviceRect(spot), tile);
            tiles += grid_.deviceRect(spot);
        }
    painter.setClipping(false);
    paintGaps(painter, region, tiles);
}

// The background wherever the region has no tile (the Floor row has none,
// and every tile picture is opaque): the painter is clipped to
// the device pixels left, then counts in client pixels as the client area's
// own painting does, so the pattern lines up with the rest of it.
void Well::paintGaps(QPainter& painter, const QRegion& region, const QRegion& tiles) const
{
    QRegion device;
    for (const QRect& rect : region)
        device += QRectF(rect.topLeft() * grid_.ratio(), rect.size() * grid_.ratio()).toAlignedRect();
    const QRegion gaps = device.subtracted(tiles);
    if (gaps.isEmpty())
        return;
    painter.save();
    painter.setClipRegion(gaps);
    painter.setWorldTransform(QTransform::fromTranslate(-x(), -y()));
    if (const auto* client = qobject_cast<const ClientArea*>(parentWidget()))
        client->paintBackground(painter, region);
    painter.restore();
}

void Well::describe(const Game& game)
{
    QString description = boardDescription(game);
    if (!cleared_.isEmpty())
        description = cleared_ + QStringLiteral(". ") + description;
    cleared_.clear();
    if (accessibleDescription() == description)
        return;
    setAccessibleDescription(description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace quorvel::ui
