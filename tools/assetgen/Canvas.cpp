#include "Canvas.h"

#include "Noise.h"

namespace quorvel::assetgen {

void fillByPosition(QImage& image, int scale, const ColourAt& colourAt)
{
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = toPixel(colourAt((x + 0.5) / scale, (y + 0.5) / scale));
    }
}

void beginLogical(QPainter& painter, QImage& image, int scale)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
}

void drawWrapped(QPainter& painter, double size, const QRectF& bounds, const std::function<void()>& draw)
{
    const QRectF picture(0.0, 0.0, size, size);
    for (int row = -1; row <= 1; ++row)
        for (int column = -1; column <= 1; ++column) {
            if (!bounds.translated(column * size, row * size).intersects(picture))
                continue;
            painter.save();
            painter.translate(column * size, row * size);
            draw();
            painter.restore();
        }
}

double tiledNoise(double x, double y, double size, int cells, uint32_t seed, int octaves)
{
    return fractal(x / size * cells, y / size * cells, seed, octaves, cells);
}

} // namespace quorvel::assetgen
