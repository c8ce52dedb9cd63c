#include "Writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvel::assetgen {

namespace {

bool makeParent(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

QString writeImage(const QString& path, const QImage& image)
{
    if (!makeParent(path))
        return QStringLiteral("cannot create the folder of %1").arg(path);
    if (!image.save(path, "PNG"))
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

QString writeText(const QString& path, const QString& text)
{
    if (!makeParent(path))
        return QStringLiteral("cannot create the folder of %1").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    if (!file.flush())
        return QStringLiteral("cannot finish %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace

QString writeAssets(const QString& folder, const std::vector<Picture>& pictures)
{
    const QDir root(folder);
    for (const Picture& picture : pictures) {
        for (int scale : {SingleScale, DoubleScale}) {
            if (scale == DoubleScale && !picture.doubled)
                continue;
            const QString error = writeImage(root.filePath(fileName(picture, scale)), picture.draw(scale));
            if (!error.isEmpty())
                return error;
        }
    }
    for (const TextFile& file : textFiles(pictures)) {
        const QString error = writeText(root.filePath(file.name), file.text);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace quorvel::assetgen
