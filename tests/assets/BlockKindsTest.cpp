#include "ExpectedLook.h"
#include "PictureMeasures.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorvel::testing {
namespace {

// Kinds whose mean colours lie closer than this look alike at a glance.
constexpr double MinimumColourDistance = 40.0;
// A pattern fainter than this, in brightness levels, is lost on the ball.
constexpr double MinimumPatternContrast = 8.0;
// Patterns that match each other more closely than this share their shape.
constexpr double MaximumPatternLikeness = 0.5;

std::vector<QImage> sphereTiles(int scale)
{
    std::vector<QImage> spheres;
    for (int kind = 1; kind <= BlockKinds; ++kind)
        spheres.push_back(committedPicture(QStringLiteral("blocks/%1%2.png").arg(kind).arg(scale == 1 ? QString() : QStringLiteral("@2x"))));
    return spheres;
}

// Full colour vision, then the two kinds of red-green blindness.
const std::optional<Vision> Visions[] = {std::nullopt, Vision::Protanopia, Vision::Deuteranopia};

std::vector<Detail> detailsOf(const std::vector<QImage>& spheres, std::optional<Vision> vision)
{
    std::vector<Detail> details;
    for (const QImage& sphere : spheres) {
        Vision seen = vision.value_or(Vision::Protanopia);
        details.push_back(detailOf(sphere, MeasuredRadius, vision ? &seen : nullptr));
    }
    return details;
}

TEST(BlockKinds, MeanColoursLieFarApart)
{
    for (int scale : Scales) {
        const std::vector<QImage> spheres = sphereTiles(scale);
        std::vector<Colour> means;
        for (const QImage& sphere : spheres)
            means.push_back(meanColour(sphere, withinRadius(sphere, MeasuredRadius)));
        for (int a = 0; a < BlockKinds; ++a)
            for (int b = a + 1; b < BlockKinds; ++b)
                EXPECT_GE(distance(means[a], means[b]), MinimumColourDistance) << "kinds " << a + 1 << " and " << b + 1;
    }
}

TEST(BlockKinds, EveryPatternShowsInBrightnessAlone)
{
    for (int scale : Scales)
        for (const std::optional<Vision>& vision : Visions) {
            const std::vector<Detail> details = detailsOf(sphereTiles(scale), vision);
            for (int kind = 0; kind < BlockKinds; ++kind)
                EXPECT_GE(details[kind].contrast, MinimumPatternContrast) << "kind " << kind + 1 << " scale " << scale;
        }
}

TEST(BlockKinds, PatternsDifferInShapeAlsoWithoutRedAndGreen)
{
    for (int scale : Scales)
        for (const std::optional<Vision>& vision : Visions) {
            const std::vector<Detail> details = detailsOf(sphereTiles(scale), vision);
            for (int a = 0; a < BlockKinds; ++a)
                for (int b = a + 1; b < BlockKinds; ++b)
                    EXPECT_LE(correlation(details[a], details[b]), MaximumPatternLikeness)
                        << "kinds " << a + 1 << " and " << b + 1 << " scale " << scale;
        }
}

// The measure itself must see a pattern as like itself and tell a ball
// without a pattern from one with it.
TEST(BlockKinds, ThePatternMeasureKnowsLikeFromUnlike)
{
    const std::vector<QImage> spheres = sphereTiles(1);
    const Detail star = detailOf(spheres[0], MeasuredRadius);
    EXPECT_NEAR(correlation(star, star), 1.0, 1e-9);
    QImage shifted = spheres[0].copy();
    for (int y = 0; y < shifted.height(); ++y)
        for (int x = 0; x < shifted.width(); ++x) {
            const QRgb p = spheres[0].pixel(x, y);
            shifted.setPixel(x, y, qRgb(qRed(p) / 2, qGreen(p) / 2, qBlue(p) / 2));
        }
    EXPECT_GT(correlation(star, detailOf(shifted, MeasuredRadius)), 0.95);
}

} // namespace
} // namespace quorvel::testing
