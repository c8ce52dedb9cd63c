#include "ClientArea.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {
namespace {

QAccessibleInterface* WellAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QWidget"))
        if (auto* well = dynamic_cast<WellArea*>(object))
            return new QAccessibleWidget(well, QAccessible::Graphic);
    return nullptr;
}

} // namespace

ClientArea::ClientArea(Painter paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paint_(painter, event->region());
}

WellArea::WellArea(std::function<QString()> describe, QWidget* parent) : QWidget(parent), describe_(std::move(describe))
{
    static const bool factoryInstalled = (QAccessible::installFactory(WellAccessible), true);
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Well"));
}

void WellArea::describe()
{
    const QString description = describe_();
    if (accessibleDescription() == description)
        return;
    setAccessibleDescription(description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace quorvel::ui
