#include "Sphere.h"

#include "Vector3.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace quorvel::assetgen {

namespace {

// The skin is painted a little past the rim so that sampling at the very
// edge never reads outside it.
constexpr double SkinMargin = 1.08;
// Texels of the skin per tile pixel, so that fine strokes stay fine.
constexpr int SkinDensity = 4;
// Samples per pixel along each axis: smooth rim and highlight edges.
constexpr int Subsamples = 4;
constexpr int CalibrationRounds = 10;
constexpr double CalibrationGain = 1.25;
// Light from the upper left, in front of the screen; y grows downwards.
constexpr double LightX = -0.50;
constexpr double LightY = -0.62;
constexpr double LightZ = 0.60;
constexpr double FineGrainStrength = 0.07;

// The painted skin held as numbers for quick bilinear look-ups: the grain
// that varies the sphere's own colour, and the pattern laid over it.
class Skin {
public:
    Skin(const QImage& pattern, const std::vector<double>& grain, double extent)
        : size_(pattern.width()), extent_(extent), texels_(size_ * size_)
    {
        for (int y = 0; y < size_; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(pattern.constScanLine(y));
            for (int x = 0; x < size_; ++x) {
                const QRgb p = line[x];
                texels_[y * size_ + x] = {fromPixel(p), qAlpha(p) / 255.0, grain[y * size_ + x]};
            }
        }
    }

    // The colour of the skin at a surface point over a given body colour.
    Rgb at(double sx, double sy, Rgb body) const
    {
        const double fx = std::clamp((sx + extent_) / (2.0 * extent_) * size_ - 0.5, 0.0, size_ - 1.001);
        const double fy = std::clamp((sy + extent_) / (2.0 * extent_) * size_ - 0.5, 0.0, size_ - 1.001);
        const int ix = static_cast<int>(fx);
        const int iy = static_cast<int>(fy);
        const double tx = fx - ix;
        const double ty = fy - iy;
        const Texel top = mix(get(ix, iy), get(ix + 1, iy), tx);
        const Texel bottom = mix(get(ix, iy + 1), get(ix + 1, iy + 1), tx);
        const Texel t = mix(top, bottom, ty);
        // The pattern is premultiplied, so it is added over what it leaves.
        return clamped(body * (1.0 + t.grain)) * (1.0 - t.alpha) + t.paint;
    }

private:
    struct Texel {
        Rgb paint;
        double alpha;
        double grain;
    };

    static Texel mix(const Texel& a, const Texel& b, double t)
    {
        return {assetgen::mix(a.paint, b.paint, t), a.alpha + (b.alpha - a.alpha) * t, a.grain + (b.grain - a.grain) * t};
    }

    Texel get(int x, int y) const { return texels_[y * size_ + x]; }

    int size_;
    double extent_;
    std::vector<Texel> texels_;
};

// A soft oval reflection of a window at the upper left: the glossy highlight.
double windowHighlight(double u, double v)
{
    constexpr double CentreU = -0.34;
    constexpr double CentreV = -0.40;
    constexpr double HalfLength = 0.36;
    constexpr double HalfWidth = 0.21;
    const double du = u - CentreU;
    const double dv = v - CentreV;
    const double along = (du - dv) * std::numbers::sqrt2 / 2.0 / HalfLength;
    const double across = (du + dv) * std::numbers::sqrt2 / 2.0 / HalfWidth;
    const double d = along * along + across * across;
    const double body = 1.0 - smoothStep(0.55, 1.0, d);
    // Brightest at the top, fading towards the middle of the ball.
    const double fade = 0.95 - 0.55 * smoothStep(-0.9, 1.0, across);
    return body * fade;
}

Rgb shade(Rgb albedo, double u, double v)
{
    static const Vector3 Light = normalised({LightX, LightY, LightZ});
    static const Vector3 Half = normalised({LightX, LightY, LightZ + 1.0});
    const double z = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const Vector3 normal{u, v, z};
    const double facing = dot(normal, Light);
    const double diffuse = std::clamp((facing + 0.35) / 1.35, 0.0, 1.0);
    Rgb colour = albedo * (0.50 + 0.74 * diffuse);
    // Light thrown back from below lifts the lower right rim.
    const double bounce = std::pow(1.0 - z, 1.6) * std::clamp(0.55 * u + 0.85 * v, 0.0, 1.0);
    colour = colour + albedo * (0.45 * bounce);
    const Rgb white{1.0, 1.0, 1.0};
    const double sheen = 0.40 * std::pow(std::max(0.0, dot(normal, Half)), 28.0);
    colour = colour + white * sheen;
    colour = colour * (0.66 + 0.34 * smoothStep(0.0, 0.22, z));
    return mix(clamped(colour), white, windowHighlight(u, v));
}

int skinSize(int scale)
{
    return static_cast<int>(std::ceil(2.0 * SphereRadius * scale * SkinDensity * SkinMargin));
}

std::vector<double> grain(int size, uint32_t seed)
{
    std::vector<double> grain(size * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double sx = (x + 0.5) / size * 2.0 - 1.0;
            const double sy = (y + 0.5) / size * 2.0 - 1.0;
            grain[y * size + x] = FineGrainStrength * 2.0 * (fractal(sx * 5.0 + 7.0, sy * 5.0 + 7.0, seed, 4) - 0.5);
        }
    return grain;
}

QImage paintPattern(const SphereDesign& design, int scale)
{
    const double extent = rimDistance() * SkinMargin;
    const int size = skinSize(scale);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    Rng rng(design.seed);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size / 2.0, size / 2.0);
    painter.scale(size / (2.0 * extent), size / (2.0 * extent));
    Surface surface{image, painter, 1.0 / SphereRadius, extent, rng};
    design.pattern(surface);
    painter.end();
    return image;
}

QImage render(const Skin& skin, Rgb body, int scale, Backdrop backdrop)
{
    const bool clear = backdrop == Backdrop::Clear;
    const int size = TileSize * scale;
    const double centre = size / 2.0;
    const double radius = SphereRadius * scale;
    const Rgb lavender = fromHex(Lavender);
    constexpr int SampleCount = Subsamples * Subsamples;
    QImage tile(size, size, clear ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            int inside = 0;
            for (int j = 0; j < Subsamples; ++j)
                for (int i = 0; i < Subsamples; ++i) {
                    const double u = (x + (i + 0.5) / Subsamples - centre) / radius;
                    const double v = (y + (j + 0.5) / Subsamples - centre) / radius;
                    const double r = std::sqrt(u * u + v * v);
                    if (r >= 1.0)
                        continue;
                    const double along = r > 1e-9 ? std::asin(r) / r : 1.0;
                    sum = sum + shade(skin.at(u * along, v * along, body), u, v);
                    ++inside;
                }
            if (clear) {
                // The sphere's own colour, with its coverage as alpha: on any
                // backdrop the rim blends with what lies under it.
                line[x] = inside == 0 ? qRgba(0, 0, 0, 0) : toPixel(sum * (1.0 / inside), static_cast<double>(inside) / SampleCount);
                continue;
            }
            const Rgb colour = (sum + lavender * (SampleCount - inside)) * (1.0 / SampleCount);
            line[x] = inside == 0 ? toPixel(lavender) : toPixel(colour);
        }
    }
    return tile;
}

} // namespace

QPointF Surface::toSurface(int x, int y) const
{
    return {((x + 0.5) / image.width() * 2.0 - 1.0) * extent, ((y + 0.5) / image.height() * 2.0 - 1.0) * extent};
}

void Surface::blend(int x, int y, Rgb colour, double coverage)
{
    // The layer is premultiplied, so colour and alpha mix alike.
    const QRgb under = image.pixel(x, y);
    const double alpha = qAlpha(under) / 255.0;
    image.setPixel(x, y, toPixel(mix(fromPixel(under), colour, coverage), alpha + (1.0 - alpha) * coverage));
}

double rimDistance()
{
    return std::numbers::pi / 2.0;
}

bool isOnSphere(int x, int y, int scale)
{
    const double centre = TileSize * scale / 2.0;
    const double dx = x + 0.5 - centre;
    const double dy = y + 0.5 - centre;
    const double limit = (SphereRadius - 1.0) * scale;
    return dx * dx + dy * dy <= limit * limit;
}

QImage sphereTile(const SphereDesign& design, int scale, Backdrop backdrop)
{
    const Skin skin(paintPattern(design, scale), grain(skinSize(scale), static_cast<uint32_t>(design.seed)), rimDistance() * SkinMargin);
    const Rgb target = fromHex(design.average);
    const PixelFilter onSphere = [scale](int x, int y) { return isOnSphere(x, y, scale); };
    Rgb body = target;
    for (int round = 0; round < CalibrationRounds; ++round) {
        const Rgb miss = target - meanColour(render(skin, body, scale, Backdrop::Lavender), onSphere);
        body = clamped(body + miss * CalibrationGain);
    }
    return render(skin, body, scale, backdrop);
}

QImage emptyTile(int scale)
{
    QImage tile(TileSize * scale, TileSize * scale, QImage::Format_RGB32);
    tile.fill(toPixel(fromHex(Lavender)));
    return tile;
}

} // namespace quorvel::assetgen
