#include "Assets.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <vector>

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

// A stretch of the program's file made of compressed pictures only.
struct Span {
    std::uintptr_t begin;
    std::uintptr_t end;
};

// Within a collection the pictures follow one another, each after a few
// bytes that give its length, so pictures closer than this make one stretch.
constexpr std::uintptr_t HeaderBytes = 16;

// The stretches of the two collections' pictures, found once from the
// resources' own addresses. Nothing but the pictures and their length
// fields lies inside one, so its pages are read-only pages of the program.
const std::vector<Span>& pictureData()
{
    static const std::vector<Span> stretches = [] {
        std::vector<Span> pictures;
        for (const char* folder : {":/blocks", ":/backgrounds", ":/side", ":/about", ":/icon"}) {
            QDirIterator files(QLatin1String(folder), QDir::Files);
            while (files.hasNext()) {
                const QResource picture(files.next());
                const auto data = reinterpret_cast<std::uintptr_t>(picture.data());
                pictures.push_back({data, data + static_cast<std::uintptr_t>(picture.size())});
            }
        }
        std::sort(pictures.begin(), pictures.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
        std::vector<Span> joined;
        for (const Span& picture : pictures) {
            if (!joined.empty() && picture.begin >= joined.back().end && picture.begin - joined.back().end <= HeaderBytes)
                joined.back().end = std::max(joined.back().end, picture.end);
            else
                joined.push_back(picture);
        }
        return joined;
    }();
    return stretches;
}

// Decoding a picture reads its compressed data through the program's mapped
// file, and the kernel maps whole blocks of pages round each page read, the
// neighbouring pictures' with them: at scale 2 some 800 KiB stayed resident
// beside the decoded pictures. Once decoded, the data is not needed again,
// so the pages wholly inside the pictures' stretches are unmapped; they stay
// in the page cache, and a later read maps them again. A failure leaves them
// mapped, which costs only that memory.
void releasePictureData()
{
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    for (const Span& stretch : pictureData()) {
        const std::uintptr_t first = (stretch.begin + page - 1) / page * page;
        const std::uintptr_t last = stretch.end / page * page;
        if (last > first)
            madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
    }
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
    releasePictureData();
    return image;
}

} // namespace quorvel
