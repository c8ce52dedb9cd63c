#include "Writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvel::assetgen {

namespace {

bool MakeParent(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

QString WriteImage(const QString& path, const QImage& image)
{
    if (!MakeParent(path))
        return QStringLiteral("cannot create the folder of %1").arg(path);
    if (!image.save(path, "PNG"))
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

QString WriteText(const QString& path, const QString& text)
{
    if (!MakeParent(path))
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

QString WriteAssets(const QString& folder, const std::vector<Picture>& pictures)
{
    const QDir root(folder);
    for (const Picture& picture : pictures) {
        for (int scale : {SingleScale, DoubleScale}) {
            if (scale == DoubleScale && !picture.doubled)
                continue;
            const QString error = WriteImage(root.filePath(FileName(picture, scale)), picture.draw(scale));
            if (!error.isEmpty())
                return error;
        }
    }
    for (const TextFile& file : TextFiles(pictures)) {
        const QString error = WriteText(root.filePath(file.name), file.text);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace quorvel::assetgen
