#include "Assets.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

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

// Where the compressed pictures of both collections lie in the program's
// mapped file, from the first byte of one to the last of another.
struct Span {
    std::uintptr_t begin = UINTPTR_MAX;
    std::uintptr_t end = 0;
};

Span PictureData()
{
    static const Span span = [] {
        Span found;
        for (const char* folder : {":/blocks", ":/backgrounds", ":/side", ":/about", ":/icon"}) {
            QDirIterator files(QLatin1String(folder), QDir::Files);
            while (files.hasNext()) {
                const QResource picture(files.next());
                const auto data = reinterpret_cast<std::uintptr_t>(picture.data());
                found.begin = std::min(found.begin, data);
                found.end = std::max(found.end, data + static_cast<std::uintptr_t>(picture.size()));
            }
        }
        return found;
    }();
    return span;
}

// Decoding a picture reads its compressed data through the program's mapped
// file, and the kernel maps whole blocks of pages round each page read, the
// neighbouring pictures' with them: at scale 2 some 800 KiB stayed resident
// beside the decoded pictures. Once decoded, the data is not needed again,
// so the pages wholly inside the pictures' span are unmapped; they stay in
// the page cache, and a later read maps them again. A failure leaves them
// mapped, which costs only that memory.
void ReleasePictureData()
{
    const Span span = PictureData();
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (span.begin + page - 1) / page * page;
    const std::uintptr_t last = span.end / page * page;
    if (span.end == 0 || last <= first)
        return;
    madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
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
    QImage image;
    const QString twin = DoubleSizePath(path);
    if (devicePixelRatio > 1.0 && QFile::exists(twin)) {
        image.load(twin);
        image.setDevicePixelRatio(DoubleRatio);
    } else {
        image.load(path);
    }
    ReleasePictureData();
    return image;
}

} // namespace quorvel
