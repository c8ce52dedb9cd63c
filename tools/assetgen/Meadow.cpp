#include "BackgroundPainters.h"
#include "Backgrounds.h"
#include "Canvas.h"
#include "Grass.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>
#include <vector>

namespace quorvel::assetgen {

namespace {

constexpr double Size = BackgroundSize;
constexpr int ShortBlades = 1500;
constexpr int TallBlades = 520;
constexpr int Flowers = 6;
constexpr int Petals = 5;
// Where the short far grass gives way to the tall near grass.
constexpr double NearLine = 0.45;

struct Flower {
    QPointF centre;
    double radius;
    double turn;
};

using Item = std::variant<Blade, Flower>;

double depth(const Item& item)
{
    return std::holds_alternative<Blade>(item) ? std::get<Blade>(item).root.y() : std::get<Flower>(item).centre.y() + 6.0;
}

Rgb ground(double x, double y)
{
    const double patches = tiledNoise(x, y, Size, 5, 11, 5);
    const double fine = tiledNoise(x, y, Size, 40, 12, 2);
    return mix(fromHex(0x1E280C), fromHex(0x44521C), patches) * (0.8 + 0.4 * fine);
}

Blade shortBlade(Rng& rng)
{
    const double y = rng.range(-4.0, Size * (NearLine + 0.12));
    const double nearness = std::clamp(y / Size / NearLine, 0.0, 1.0);
    const double length = rng.range(4.0, 8.0) + 6.0 * nearness;
    const Rgb tip = mix(fromHex(0x8C9C3C), fromHex(0xB2B858), rng.unit());
    return {QPointF(rng.range(0.0, Size), y), length, rng.range(-2.5, 2.5), rng.range(0.9, 1.4) + 0.4 * nearness,
            fromHex(0x3A4818), tip};
}

Blade tallBlade(Rng& rng)
{
    const double y = rng.range(Size * NearLine, Size + 30.0);
    const double length = rng.range(18.0, 46.0);
    const double kind = rng.unit();
    const Rgb tip = kind < 0.12   ? fromHex(0xB4A85C)
                    : kind < 0.55 ? mix(fromHex(0x6E922A), fromHex(0x94B43C), rng.unit())
                                  : mix(fromHex(0x56782A), fromHex(0x7C9A34), rng.unit());
    return {QPointF(rng.range(0.0, Size), y), length, rng.range(-12.0, 12.0), rng.range(1.6, 3.0), fromHex(0x22300C), tip};
}

void drawFlower(QPainter& painter, const Flower& flower)
{
    const double r = flower.radius;
    painter.setPen(QPen(toColour(fromHex(0x4E6A1E)), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(flower.centre + QPointF(0.0, r * 0.5), flower.centre + QPointF(1.5, r * 4.0));
    painter.setPen(QPen(toColour(fromHex(0xA07010), 0.6), 0.35));
    for (int i = 0; i < Petals; ++i) {
        const double angle = flower.turn + 2.0 * std::numbers::pi * i / Petals;
        const QPointF at = flower.centre + QPointF(std::cos(angle), std::sin(angle)) * (r * 0.55);
        QRadialGradient petal(flower.centre, r * 1.1);
        petal.setColorAt(0.0, toColour(fromHex(0xE89A0C)));
        petal.setColorAt(0.4, toColour(fromHex(0xFFD21E)));
        petal.setColorAt(1.0, toColour(fromHex(0xFFEE6A)));
        painter.setBrush(petal);
        painter.save();
        painter.translate(at);
        painter.rotate(angle * 180.0 / std::numbers::pi);
        painter.drawEllipse(QPointF(0.0, 0.0), r * 0.58, r * 0.42);
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(toColour(fromHex(0xC87A12)));
    painter.drawEllipse(flower.centre, r * 0.26, r * 0.26);
    painter.setBrush(toColour(fromHex(0xFFF4B0), 0.9));
    painter.drawEllipse(flower.centre - QPointF(r * 0.4, r * 0.4), r * 0.16, r * 0.12);
}

} // namespace

void paintMeadow(QImage& image, int scale, Rng& rng)
{
    fillByPosition(image, scale, ground);
    std::vector<Item> items;
    for (int i = 0; i < ShortBlades; ++i)
        items.emplace_back(shortBlade(rng));
    for (int i = 0; i < TallBlades; ++i)
        items.emplace_back(tallBlade(rng));
    for (int i = 0; i < Flowers; ++i) {
        const double column = (i + rng.range(0.15, 0.85)) * Size / Flowers;
        items.emplace_back(Flower{QPointF(column, rng.range(Size * 0.58, Size * 0.95)), rng.range(4.4, 5.6), rng.range(0.0, 1.2)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return depth(a) < depth(b); });

    QPainter painter;
    beginLogical(painter, image, scale);
    for (const Item& item : items) {
        if (const Blade* blade = std::get_if<Blade>(&item)) {
            drawWrapped(painter, Size, bladeBounds(*blade), [&] { drawBlade(painter, *blade); });
        } else {
            const Flower& flower = std::get<Flower>(item);
            const QRectF bounds(flower.centre - QPointF(flower.radius * 1.5, flower.radius * 1.5),
                                QSizeF(flower.radius * 3.0, flower.radius * 6.0));
            drawWrapped(painter, Size, bounds, [&] { drawFlower(painter, flower); });
        }
    }
    painter.end();
}

} // namespace quorvel::assetgen
