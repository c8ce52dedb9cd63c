#include "BackgroundPainters.h"
#include "Backgrounds.h"
#include "Canvas.h"
#include "Grass.h"
#include "Strokes.h"

#include <algorithm>
#include <vector>

namespace quorvel::assetgen {

namespace {

constexpr double Size = BackgroundSize;

// Deeper layers are darker and thinner; the front one catches the light.
struct Layer {
    int blades;
    double widthLow;
    double widthHigh;
    uint32_t rootColour;
    uint32_t tipLow;
    uint32_t tipHigh;
};

constexpr Layer Layers[] = {
    {420, 1.6, 2.6, 0x141E08, 0x2E4412, 0x3E5818},
    {300, 2.0, 3.2, 0x1C2A0A, 0x4A6A1C, 0x628A26},
    {170, 2.4, 3.8, 0x24340C, 0x7A9C30, 0xA6C04A},
};

Rgb thatch(double x, double y)
{
    const double streaks = tiledNoise(x * 6.0, y * 0.5, Size * 6.0, 60, 31, 3);
    return mix(fromHex(0x0E1606), fromHex(0x2A3A10), streaks);
}

} // namespace

void paintTallGrass(QImage& image, int scale, Rng& rng)
{
    fillByPosition(image, scale, thatch);
    QPainter painter;
    beginLogical(painter, image, scale);
    for (const Layer& layer : Layers) {
        std::vector<Blade> blades;
        for (int i = 0; i < layer.blades; ++i) {
            const Rgb tip = mix(fromHex(layer.tipLow), fromHex(layer.tipHigh), rng.unit());
            blades.push_back({randomPoint(rng, 0.0, Size, 0.0, Size), rng.range(70.0, 150.0), rng.range(-22.0, 22.0),
                              rng.range(layer.widthLow, layer.widthHigh), fromHex(layer.rootColour), tip});
        }
        std::sort(blades.begin(), blades.end(), [](const Blade& a, const Blade& b) { return a.root.y() < b.root.y(); });
        for (const Blade& blade : blades)
            drawWrapped(painter, Size, bladeBounds(blade), [&] { drawBlade(painter, blade); });
    }
    painter.end();
}

} // namespace quorvel::assetgen
