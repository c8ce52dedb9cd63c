#include "Well.h"

#include "BoardDescription.h"
#include "Pictures.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {
namespace {

QAccessibleInterface* WellAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Well::staticMetaObject.className()))
        if (auto* well = qobject_cast<Well*>(object))
            return new QAccessibleWidget(well, QAccessible::Graphic);
    return nullptr;
}

} // namespace

Well::Well(const Game& game, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), game_(game), pictures_(pictures), grid_(parent->devicePixelRatioF()),
      effect_(pictures, grid_, this)
{
    static const bool factoryInstalled = (QAccessible::installFactory(WellAccessible), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("well"));
    setGeometry(grid_.BoardCover().united(grid_.PreviewCover()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(tr("Well"));
    connect(&effect_, &ClearEffect::areaChanged, this, [this](const QRegion& dirty) { update(dirty.translated(-pos())); });
}

// While the window is still hidden its first picture will show every tile,
// so the tiles count as shown all the same.
void Well::showBoard()
{
    const QRegion changed = shown_.Update(game_, grid_);
    if (!changed.isEmpty())
        repaint(changed.translated(-pos()));
    // A rising piece would change the description fifty times a second; a
    // screen reader hears of the piece where it waits or lands.
    if (!game_.InFlight())
        Describe();
}

void Well::showClearing(const Clearing& clearing)
{
    //: A landing's total over every step of its chain.
    cleared_ = tr("%n blocks vanished, %1 points", nullptr, int(clearing.blocks.size())).arg(clearing.points);
    if (effectOn_)
        effect_.start(clearing);
}

void Well::endClearing()
{
    effect_.stop();
    cleared_.clear();
}

// Counted in device pixels from the client area's top left, so that every
// tile lands on whole pixels whatever the scale.
void Well::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = grid_.ratio();
    painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio) * QTransform::fromTranslate(-x(), -y()));
    const QRegion region = event->region().translated(pos());
    for (int spot = 0; spot < SpotCount; ++spot)
        if (region.intersects(grid_.Cover(spot)))
            painter.drawPixmap(grid_.DeviceRect(spot).topLeft(), pictures_.tile(shown_.Tile(spot), grid_.tileSize()));
    effect_.paint(painter);
}

void Well::Describe()
{
    QString description = BoardDescription(game_);
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
