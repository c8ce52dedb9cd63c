#include "BackgroundPainters.h"
#include "Backgrounds.h"
#include "Canvas.h"
#include "Strokes.h"
#include "Vector3.h"


#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace quorvel::assetgen {

namespace {

constexpr double Size = BackgroundSize;
constexpr int WaveCount = 7;
constexpr double SlopeGain = 3.4;
constexpr double CrestSharpness = 0.7;
// Samples per pixel along each axis: the glints are too small for one.
constexpr int Subsamples = 3;
constexpr double GlintSharpness = 260.0;
constexpr double SparkleThreshold = 0.55;
constexpr int MaxSparkles = 14;

// A ripple with a whole number of crests across the tile, so it repeats.
struct Wave {
    int kx;
    int ky;
    double amplitude;
    double phase;
};

struct Ripples {
    std::array<Wave, WaveCount> waves;
    uint32_t seed;

    double height(double x, double y) const
    {
        const double warp = 2.2 * (tiledNoise(x, y, Size, 4, seed, 3) - 0.5);
        double h = 0.0;
        // Narrow crests over broad troughs, as wind ripples have.
        for (const Wave& w : waves)
            h += w.amplitude * std::exp(CrestSharpness * (std::cos(2.0 * std::numbers::pi * (w.kx * x + w.ky * y) / Size + w.phase + warp * 3.0) - 1.0));
        return h + 0.25 * (tiledNoise(x, y, Size, 24, seed + 1, 3) - 0.5);
    }

    // The surface normal from the slope.
    Vector3 normal(double x, double y) const
    {
        constexpr double Step = 0.3;
        const double dx = (height(x + Step, y) - height(x - Step, y)) / (2.0 * Step);
        const double dy = (height(x, y + Step) - height(x, y - Step)) / (2.0 * Step);
        return normalised({-dx * SlopeGain, -dy * SlopeGain, 1.0});
    }

    // How brightly the sun is mirrored at a point, 0 to 1.
    double glint(double x, double y) const
    {
        return glintFor(normal(x, y));
    }

    static double glintFor(Vector3 n)
    {
        static const Vector3 Sun = normalised({-0.30, -0.42, 0.86});
        // The line of sight mirrored in the surface.
        const Vector3 mirrored{2.0 * n.z * n.x, 2.0 * n.z * n.y, 2.0 * n.z * n.z - 1.0};
        return std::pow(std::max(0.0, dot(mirrored, Sun)), GlintSharpness);
    }

    // The colour of a pixel of the given logical size centred at (x, y).
    Rgb colour(double x, double y, double pixel) const
    {
        Rgb sum;
        for (int j = 0; j < Subsamples; ++j)
            for (int i = 0; i < Subsamples; ++i)
                sum = sum + sampleColour(x + ((i + 0.5) / Subsamples - 0.5) * pixel, y + ((j + 0.5) / Subsamples - 0.5) * pixel);
        return sum * (1.0 / (Subsamples * Subsamples));
    }

    Rgb sampleColour(double x, double y) const
    {
        const Vector3 n = normal(x, y);
        const double skyward = -0.45 * n.x - 0.75 * n.y;
        const double depth = tiledNoise(x, y, Size, 3, seed + 2, 3);
        const Rgb deep = mix(fromHex(0x144A68), fromHex(0x2A6C8E), depth);
        const Rgb sky = fromHex(0xC0EAF8);
        Rgb colour = mix(deep, sky, smoothStep(-0.35, 0.6, skyward));
        colour = mix(colour, fromHex(0x143E56), smoothStep(0.0, -0.4, skyward) * 0.5);
        return clamped(colour + Rgb{1.0, 1.0, 1.0} * glintFor(n));
    }
};

Ripples makeRipples(Rng& rng)
{
    Ripples ripples{};
    ripples.seed = static_cast<uint32_t>(rng.next());
    for (Wave& w : ripples.waves) {
        w.kx = rng.below(11) - 5;
        w.ky = 7 + rng.below(10);
        w.amplitude = 1.8 / std::hypot(w.kx, w.ky);
        w.phase = rng.range(0.0, 2.0 * std::numbers::pi);
    }
    return ripples;
}

struct Sparkle {
    QPointF at;
    double strength;
};

std::vector<Sparkle> brightestGlints(const Ripples& ripples)
{
    std::vector<Sparkle> found;
    for (int y = 0; y < static_cast<int>(Size); ++y)
        for (int x = 0; x < static_cast<int>(Size); ++x) {
            const double g = ripples.glint(x + 0.5, y + 0.5);
            if (g > SparkleThreshold)
                found.push_back({QPointF(x + 0.5, y + 0.5), g});
        }
    std::stable_sort(found.begin(), found.end(), [](const Sparkle& a, const Sparkle& b) { return a.strength > b.strength; });
    std::vector<Sparkle> chosen;
    for (const Sparkle& s : found) {
        const bool crowded = std::any_of(chosen.begin(), chosen.end(), [&](const Sparkle& c) {
            return std::hypot(c.at.x() - s.at.x(), c.at.y() - s.at.y()) < 14.0;
        });
        if (!crowded)
            chosen.push_back(s);
        if (static_cast<int>(chosen.size()) == MaxSparkles)
            break;
    }
    return chosen;
}

void drawSparkle(QPainter& painter, const Sparkle& sparkle)
{
    const double arm = 2.0 + 2.5 * sparkle.strength;
    glow(painter, sparkle.at, arm, QColor(255, 255, 255, 200));
    twinkle(painter, sparkle.at, arm, arm * 0.7, 0.45, QColor(255, 255, 255, 210));
}

} // namespace

void paintWater(QImage& image, int scale, Rng& rng)
{
    const Ripples ripples = makeRipples(rng);
    fillByPosition(image, scale, [&](double x, double y) { return ripples.colour(x, y, 1.0 / scale); });
    QPainter painter;
    beginLogical(painter, image, scale);
    for (const Sparkle& sparkle : brightestGlints(ripples)) {
        const QRectF bounds(sparkle.at - QPointF(6.0, 6.0), QSizeF(12.0, 12.0));
        drawWrapped(painter, Size, bounds, [&] { drawSparkle(painter, sparkle); });
    }
    painter.end();
}

} // namespace quorvel::assetgen
