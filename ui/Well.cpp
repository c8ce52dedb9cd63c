#include "Well.h"

#include "BoardDescription.h"
#include "Geometry.h"
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
    : QWidget(parent), game_(game), pictures_(pictures)
{
    static const bool factoryInstalled = (QAccessible::installFactory(WellAccessible), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("well"));
    setGeometry(WellRect);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(tr("Well"));
}

// While the window is still hidden its first picture will show every tile,
// so the tiles count as shown all the same.
void Well::showBoard()
{
    const QRegion changed = shown_.Update(game_);
    if (!changed.isEmpty())
        repaint(changed.translated(-pos()));
    // A rising piece would change the description fifty times a second; a
    // screen reader hears of the piece where it waits or lands.
    if (!game_.InFlight())
        Describe();
}

void Well::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.translate(-pos());
    const QRegion region = event->region().translated(pos());
    for (int spot = 0; spot < SpotCount; ++spot)
        if (region.intersects(SpotRect(spot)))
            painter.drawPixmap(SpotRect(spot).topLeft(), pictures_.block(shown_.Tile(spot)));
}

void Well::Describe()
{
    const QString description = BoardDescription(game_);
    if (accessibleDescription() == description)
        return;
    setAccessibleDescription(description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace quorvel::ui
