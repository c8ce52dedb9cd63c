#include "PictureMeasures.h"

#include <algorithm>
#include <cmath>

namespace quorvel::testing {

namespace {

// Local mean over a square of this half-width, in scale-1 pixels.
constexpr int DetailReach = 3;

// Machado, Oliveira and Fernandes (2009), full severity.
constexpr double Protan[3][3] = {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
constexpr double Deutan[3][3] = {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};

} // namespace

double brightness(const Colour& c)
{
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}

std::vector<int> groupSizes(const QImage& image, const PixelFilter& include)
{
    std::vector<char> taken(static_cast<size_t>(image.width()) * image.height(), 0);
    std::vector<QPoint> open;
    const auto take = [&](QPoint p) {
        if (image.rect().contains(p) && !taken[p.y() * image.width() + p.x()] && include(p.x(), p.y())) {
            taken[p.y() * image.width() + p.x()] = 1;
            open.push_back(p);
        }
    };
    std::vector<int> sizes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            take({x, y});
            for (int size = 1; !open.empty(); ++size) {
                const QPoint p = open.back();
                open.pop_back();
                for (int d = 0; d < 9; ++d)
                    take(p + QPoint(d % 3 - 1, d / 3 - 1));
                if (open.empty())
                    sizes.push_back(size);
            }
        }
    return sizes;
}

std::string kindsAlong(const QImage& image, QPoint from, QPoint step, const std::function<char(QRgb)>& kindOf)
{
    std::string kinds;
    for (QPoint p = from; image.rect().contains(p); p += step)
        if (kinds.empty() || kinds.back() != kindOf(image.pixel(p)))
            kinds += kindOf(image.pixel(p));
    return kinds;
}

QImage committedPicture(const QString& relativePath)
{
    return QImage(QStringLiteral(QUORVEL_ASSETS_DIR "/") + relativePath).convertToFormat(QImage::Format_ARGB32);
}

Colour colourOf(QRgb pixel)
{
    return {static_cast<double>(qRed(pixel)), static_cast<double>(qGreen(pixel)), static_cast<double>(qBlue(pixel))};
}

Colour fromHex(unsigned rgb)
{
    return colourOf(rgb);
}

double distance(const Colour& a, const Colour& b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

double channelMiss(const Colour& a, const Colour& b)
{
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

Colour meanColour(const QImage& image, const PixelFilter& include)
{
    Colour sum{};
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (include(x, y)) {
                const Colour c = colourOf(image.pixel(x, y));
                for (int i = 0; i < 3; ++i)
                    sum[i] += c[i];
                ++count;
            }
    for (double& channel : sum)
        channel /= std::max(count, 1L);
    return sum;
}

double centreDistance(const QImage& tile, int x, int y)
{
    return std::hypot(x + 0.5 - tile.width() / 2.0, y + 0.5 - tile.height() / 2.0);
}

PixelFilter withinRadius(const QImage& tile, double radius)
{
    const double scaled = radius * tile.width() / 62.0;
    return [&tile, scaled](int x, int y) { return centreDistance(tile, x, y) <= scaled; };
}

Colour asSeenWith(Vision vision, const Colour& colour)
{
    const auto& m = vision == Vision::Protanopia ? Protan : Deutan;
    Colour seen{};
    for (int row = 0; row < 3; ++row)
        seen[row] = std::clamp(m[row][0] * colour[0] + m[row][1] * colour[1] + m[row][2] * colour[2], 0.0, 255.0);
    return seen;
}

Detail detailOf(const QImage& tile, double radius, Vision* vision)
{
    const int w = tile.width();
    const int h = tile.height();
    const PixelFilter inside = withinRadius(tile, radius);
    std::vector<double> bright(w * h, 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Colour c = colourOf(tile.pixel(x, y));
            bright[y * w + x] = brightness(vision ? asSeenWith(*vision, c) : c);
        }
    const int reach = DetailReach * w / 62;
    Detail detail{{}, 0.0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y))
                continue;
            double sum = 0.0;
            int count = 0;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                    if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h && inside(x + dx, y + dy)) {
                        sum += bright[(y + dy) * w + x + dx];
                        ++count;
                    }
            detail.values.push_back(bright[y * w + x] - sum / count);
        }
    double mean = 0.0;
    for (double v : detail.values)
        mean += v;
    mean /= detail.values.size();
    double spread = 0.0;
    for (double& v : detail.values) {
        v -= mean;
        spread += v * v;
    }
    detail.contrast = std::sqrt(spread / detail.values.size());
    for (double& v : detail.values)
        v /= std::max(detail.contrast, 1e-9);
    return detail;
}

double correlation(const Detail& a, const Detail& b)
{
    double sum = 0.0;
    for (size_t i = 0; i < a.values.size(); ++i)
        sum += a.values[i] * b.values[i];
    return sum / a.values.size();
}

double flatQuadShare(const QImage& image, const PixelFilter& include)
{
    long flat = 0;
    long quads = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            if (!include(x, y))
                continue;
            const QRgb p = image.pixel(x, y);
            flat += p == image.pixel(x + 1, y) && p == image.pixel(x, y + 1) && p == image.pixel(x + 1, y + 1);
            ++quads;
        }
    return static_cast<double>(flat) / std::max(quads, 1L);
}

QImage halved(const QImage& image)
{
    QImage half(image.width() / 2, image.height() / 2, QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = image.pixel(2 * x + dx, 2 * y + dy);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                    sum[3] += qAlpha(p);
                }
            half.setPixel(x, y, qRgba((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4));
        }
    return half;
}

double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0.0;
    long count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qAlpha(a.pixel(x, y)) == 0)
                continue;
            const Colour ca = colourOf(a.pixel(x, y));
            const Colour cb = colourOf(b.pixel(x, y));
            sum += std::abs(ca[0] - cb[0]) + std::abs(ca[1] - cb[1]) + std::abs(ca[2] - cb[2]);
            count += 3;
        }
    return sum / std::max(count, 1L);
}

} // namespace quorvel::testing
