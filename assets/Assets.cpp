#include "Assets.h"

#include <QFile>

// The resource initialisers must be named from the global namespace.
static void initialiseResourceCollections()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(doubled);
}

namespace quorvel {

namespace {

constexpr qreal DoubleRatio = 2.0;

QString doubleSizePath(const QString& path)
{
    QString twin = path;
    return twin.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

} // namespace

QString blockTilePath(int index)
{
    return QStringLiteral(":/blocks/%1.png").arg(index);
}

QString backgroundPath(int index)
{
    return QStringLiteral(":/backgrounds/%1.png").arg(index);
}

QString iconPath(int size)
{
    return QStringLiteral(":/icon/quorvel-%1.png").arg(size);
}

void initialiseAssets()
{
    initialiseResourceCollections();
}

QImage loadPicture(const QString& path, qreal devicePixelRatio)
{
    QImage image;
    const QString twin = doubleSizePath(path);
    if (devicePixelRatio > 1.0 && QFile::exists(twin)) {
        image.load(twin);
        image.setDevicePixelRatio(DoubleRatio);
    } else {
        image.load(path);
    }
    return image;
}

} // namespace quorvel
