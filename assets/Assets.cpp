#include "Assets.h"

#include <QFile>

// The resource initialisers must be named from the global namespace.
static void InitialiseResourceCollections()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(doubled);
}

namespace quorvel {

namespace {

constexpr qreal DoubleRatio = 2.0;

QString DoubleSizePath(const QString& path)
{
    QString twin = path;
    return twin.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

} // namespace

QString BlockTilePath(int index)
{
    return QStringLiteral(":/blocks/%1.png").arg(index);
}

QString BackgroundPath(int index)
{
    return QStringLiteral(":/backgrounds/%1.png").arg(index);
}

QString IconPath(int size)
{
    return QStringLiteral(":/icon/quorvel-%1.png").arg(size);
}

void InitialiseAssets()
{
    InitialiseResourceCollections();
}

QImage LoadPicture(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const QString twin = DoubleSizePath(path);
        if (QFile::exists(twin)) {
            QImage image(twin);
            image.setDevicePixelRatio(DoubleRatio);
            return image;
        }
    }
    return QImage(path);
}

} // namespace quorvel
