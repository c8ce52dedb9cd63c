#include "ExpectedLook.h"
#include "PictureMeasures.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace quorvel::testing {
namespace {

struct ExpectedPicture {
    QString name;
    int width;
    int height;
};

const std::vector<ExpectedPicture>& sidePictures()
{
    static const std::vector<ExpectedPicture> pictures{
        {QStringLiteral("side/left"), 57, 47},   {QStringLiteral("side/right"), 57, 47},   {QStringLiteral("side/cycle"), 57, 46},
        {QStringLiteral("side/launch"), 106, 46}, {QStringLiteral("side/plate"), 198, 49},
    };
    return pictures;
}

QString blockName(int kind)
{
    return QStringLiteral("blocks/%1").arg(kind);
}

QString backgroundName(size_t index)
{
    return QStringLiteral("backgrounds/%1").arg(index);
}

std::vector<ExpectedPicture> allScaledPictures()
{
    std::vector<ExpectedPicture> pictures;
    for (int kind = 0; kind <= BlockKinds; ++kind)
        pictures.push_back({blockName(kind), TileSize, TileSize});
    for (size_t index = 0; index < BackgroundAverages.size(); ++index)
        pictures.push_back({backgroundName(index), BackgroundSize, BackgroundSize});
    for (const ExpectedPicture& side : sidePictures())
        pictures.push_back(side);
    pictures.push_back({QStringLiteral("about/sphere"), TileSize, TileSize});
    return pictures;
}

QImage atScale(const QString& name, int scale)
{
    return committedPicture(name + (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png")));
}

bool isLavender(QRgb pixel)
{
    return (pixel & 0xFFFFFFu) == Lavender && qAlpha(pixel) == 255;
}

TEST(PictureFiles, EachHasItsSizeAndATwinDrawnAtTwiceTheSize)
{
    for (const ExpectedPicture& picture : allScaledPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        const QImage single = atScale(picture.name, 1);
        const QImage twin = atScale(picture.name, 2);
        ASSERT_FALSE(single.isNull());
        ASSERT_FALSE(twin.isNull());
        EXPECT_EQ(single.size(), QSize(picture.width, picture.height));
        EXPECT_EQ(twin.size(), QSize(2 * picture.width, 2 * picture.height));
        // The twin shows the same picture...
        EXPECT_LT(meanDifference(single, halved(twin)), 6.0);
    }
}

TEST(PictureFiles, TwinsAreDrawnFinerNotMerelyEnlarged)
{
    for (const ExpectedPicture& picture : allScaledPictures()) {
        if (picture.name == blockName(0))
            continue;
        SCOPED_TRACE(picture.name.toStdString());
        const QImage twin = atScale(picture.name, 2);
        const PixelFilter detailed = [&twin](int x, int y) { return !isLavender(twin.pixel(x, y)) && qAlpha(twin.pixel(x, y)) == 255; };
        EXPECT_LT(flatQuadShare(twin, detailed), 0.3);
    }
}

TEST(PictureFiles, BlocksAndBackgroundsAreOpaque)
{
    for (const ExpectedPicture& picture : allScaledPictures()) {
        if (picture.name.startsWith(QLatin1String("side/")) || picture.name.startsWith(QLatin1String("about/")))
            continue;
        for (int scale : Scales) {
            const QImage image = atScale(picture.name, scale);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << picture.name.toStdString() << " at scale " << scale << ", " << x << "," << y;
        }
    }
}

// The frame is clear white, as the window's pictures had it; white is
// nowhere else, so a toolkit that keys white out would cut no hole.
TEST(SidePictures, OnlyTheirOuterFrameIsClearWhite)
{
    for (const ExpectedPicture& picture : sidePictures())
        for (int scale : Scales) {
            const QImage image = atScale(picture.name, scale);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool frame = x < scale || y < scale || x >= image.width() - scale || y >= image.height() - scale;
                    const QRgb p = image.pixel(x, y);
                    ASSERT_TRUE(qAlpha(p) == (frame ? 0 : 255) && frame == ((p & 0xFFFFFFu) == 0xFFFFFFu))
                        << picture.name.toStdString() << " at scale " << scale << ", " << x << "," << y << ": " << std::hex << p;
                }
        }
}

// Pale yellow-green round the symbols. On the plain plate the faint brown
// pattern's pixels, browner and darker than their row, are never as dark as
// a symbol and hang together in strokes instead of lying about as specks.
// On a button the pattern keeps clear of the symbol's outline.
TEST(SidePictures, PlatesArePaleYellowGreenWithAFaintBrownPattern)
{
    constexpr int Rim = 4;
    constexpr double SymbolHalfWidth = 20.0;
    constexpr int StrokeSize = 12;
    constexpr int SymbolClearance = 3;
    for (const ExpectedPicture& picture : sidePictures())
        for (int scale : Scales) {
            SCOPED_TRACE(picture.name.toStdString() + " at scale " + std::to_string(scale));
            const QImage image = atScale(picture.name, scale);
            const bool plain = picture.name == QLatin1String("side/plate");
            const QRect inside = image.rect().adjusted(Rim * scale, Rim * scale, -Rim * scale, -Rim * scale);
            const PixelFilter face = [&](int x, int y) {
                return inside.contains(x, y) && (plain || std::abs(x + 0.5 - image.width() / 2.0) >= SymbolHalfWidth * scale);
            };
            const Colour mean = meanColour(image, face);
            EXPECT_LE(channelMiss(mean, fromHex(PlateColour)), AverageTolerance);
            if (!plain) {
                // The brown of the pattern is the one place where red tops
                // green; the outline's smoothed edge, black over yellow-green
                // or cream, never has it.
                const auto brown = [&](int x, int y) {
                    return inside.contains(x, y) && qRed(image.pixel(x, y)) > qGreen(image.pixel(x, y));
                };
                const int reach = SymbolClearance * scale;
                int nearSymbol = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        if (!inside.contains(x, y) || brightness(colourOf(image.pixel(x, y))) > 60.0)
                            continue;
                        for (int py = std::max(0, y - reach); py <= std::min(image.height() - 1, y + reach); ++py)
                            for (int px = std::max(0, x - reach); px <= std::min(image.width() - 1, x + reach); ++px)
                                nearSymbol += brown(px, py) ? 1 : 0;
                    }
                EXPECT_EQ(nearSymbol, 0) << "the pattern runs into the symbol";
                continue;
            }
            EXPECT_TRUE(groupSizes(image, [&](int x, int y) {
                return inside.contains(x, y) && brightness(colourOf(image.pixel(x, y))) <= 120.0;
            }).empty()) << "a stroke as dark as a symbol";
            std::vector<double> rows;
            for (int y = 0; y < image.height(); ++y)
                rows.push_back(brightness(meanColour(image, [&](int x, int py) { return py == y && face(x, py); })));
            const std::vector<int> groups = groupSizes(image, [&](int x, int y) {
                const Colour c = colourOf(image.pixel(x, y));
                return face(x, y) && c[0] - c[1] > mean[0] - mean[1] + 6.0 && brightness(c) < rows[y] - 8.0;
            });
            const int pattern = std::accumulate(groups.begin(), groups.end(), 0);
            const int inStrokes = std::accumulate(groups.begin(), groups.end(), 0,
                                                  [scale](int sum, int size) { return size >= StrokeSize * scale ? sum + size : sum; });
            EXPECT_GE(pattern, 0.02 * inside.width() * inside.height());
            EXPECT_LE(pattern, 0.25 * inside.width() * inside.height());
            EXPECT_GE(inStrokes, 0.7 * pattern);
        }
}

// Where the black outline of a symbol lies, as the mean position of its
// dark pixels within a band of rows or columns.
struct DarkBand {
    bool rows;
    double from;
    double to;
};

double meanDarkPosition(const QImage& image, DarkBand band)
{
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double across = band.rows ? static_cast<double>(y) / image.height() : static_cast<double>(x) / image.width();
            if (qAlpha(p) == 255 && std::max({qRed(p), qGreen(p), qBlue(p)}) < 40 && across >= band.from && across < band.to) {
                sum += band.rows ? x : y;
                ++count;
            }
        }
    return count > 0 ? sum / count : NAN;
}

TEST(SidePictures, SymbolsPointTheWayTheirButtonsMove)
{
    struct Case {
        QString name;
        // The middle band of the symbol lies before (-1) or after (+1) its
        // outer bands, along the other axis.
        DarkBand middle;
        DarkBand outer1;
        DarkBand outer2;
        int middleComesFirst;
    };
    const Case cases[] = {
        {QStringLiteral("side/left"), {true, 0.4, 0.6}, {true, 0.0, 0.35}, {true, 0.65, 1.0}, 1},
        {QStringLiteral("side/right"), {true, 0.4, 0.6}, {true, 0.0, 0.35}, {true, 0.65, 1.0}, -1},
        {QStringLiteral("side/launch"), {false, 0.45, 0.55}, {false, 0.0, 0.4}, {false, 0.6, 1.0}, 1},
    };
    for (const Case& c : cases)
        for (int scale : Scales) {
            SCOPED_TRACE(c.name.toStdString());
            const QImage image = atScale(c.name, scale);
            const double middle = meanDarkPosition(image, c.middle);
            const double outer = (meanDarkPosition(image, c.outer1) + meanDarkPosition(image, c.outer2)) / 2.0;
            ASSERT_FALSE(std::isnan(middle) || std::isnan(outer));
            EXPECT_GT((outer - middle) * c.middleComesFirst, 3.0 * scale);
        }
}

TEST(SidePictures, OnlyTheButtonsCarryABlackSymbol)
{
    for (const ExpectedPicture& picture : sidePictures())
        for (int scale : Scales) {
            const QImage image = atScale(picture.name, scale);
            const bool hasSymbol = !std::isnan(meanDarkPosition(image, {true, 0.0, 1.0}));
            EXPECT_EQ(hasSymbol, picture.name != QLatin1String("side/plate")) << picture.name.toStdString();
        }
}

// Across the ring's middle and down it, the outline crosses the ring's
// outer and inner edges on both sides and the slot between them: the slot
// stands clear of the ring at both scales.
TEST(SidePictures, TheCycleRingHasItsSlotClear)
{
    constexpr int LeastCrossings = 5;
    for (int scale : Scales) {
        const QImage image = atScale(QStringLiteral("side/cycle"), scale);
        const auto dark = [](QRgb p) { return std::max({qRed(p), qGreen(p), qBlue(p)}) < 100 ? 'd' : '.'; };
        EXPECT_GE(std::ranges::count(kindsAlong(image, {0, image.height() / 2}, {1, 0}, dark), 'd'), LeastCrossings) << "across, scale " << scale;
        EXPECT_GE(std::ranges::count(kindsAlong(image, {image.width() / 2, 0}, {0, 1}, dark), 'd'), LeastCrossings) << "down, scale " << scale;
    }
}

TEST(BlockTiles, TheEmptyTileIsFlatLavender)
{
    for (int scale : Scales) {
        const QImage tile = atScale(blockName(0), scale);
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                ASSERT_TRUE(isLavender(tile.pixel(x, y))) << "scale " << scale << ", " << x << "," << y;
    }
}

TEST(BlockTiles, CornersRoundEachSphereAreExactLavender)
{
    for (int kind = 1; kind <= BlockKinds; ++kind)
        for (int scale : Scales) {
            const QImage tile = atScale(blockName(kind), scale);
            for (int y = 0; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x) {
                    if (centreDistance(tile, x, y) > (SphereRadius + 1.0) * scale) {
                        ASSERT_TRUE(isLavender(tile.pixel(x, y))) << "kind " << kind << " scale " << scale << ", " << x << "," << y;
                    }
                }
        }
}

TEST(BlockTiles, SpheresAreSixtyPixelsAcrossAndCentred)
{
    for (int kind = 1; kind <= BlockKinds; ++kind)
        for (int scale : Scales) {
            SCOPED_TRACE(kind);
            const QImage tile = atScale(blockName(kind), scale);
            const int middle = tile.width() / 2;
            for (bool across : {true, false}) {
                int first = -1;
                int last = -1;
                for (int i = 0; i < tile.width(); ++i)
                    if (!isLavender(across ? tile.pixel(i, middle) : tile.pixel(middle, i))) {
                        first = first < 0 ? i : first;
                        last = i;
                    }
                EXPECT_NEAR(last - first + 1, 2.0 * SphereRadius * scale, 1.0 * scale);
                EXPECT_LE(std::abs(first - (tile.width() - 1 - last)), scale);
            }
        }
}

TEST(BlockTiles, SphereAveragesAreTheKindsColours)
{
    for (int kind = 1; kind <= BlockKinds; ++kind)
        for (int scale : Scales) {
            const QImage tile = atScale(blockName(kind), scale);
            const Colour mean = meanColour(tile, withinRadius(tile, MeasuredRadius));
            EXPECT_LE(channelMiss(mean, fromHex(SphereAverages[kind - 1])), AverageTolerance) << "kind " << kind << " scale " << scale;
        }
}

TEST(BlockTiles, TheWhiteHighlightSitsAtTheUpperLeft)
{
    for (int kind = 1; kind <= BlockKinds; ++kind)
        for (int scale : Scales) {
            const QImage tile = atScale(blockName(kind), scale);
            QPoint brightest;
            int best = -1;
            for (int y = 0; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x) {
                    const QRgb p = tile.pixel(x, y);
                    const int least = std::min({qRed(p), qGreen(p), qBlue(p)});
                    if (!isLavender(p) && least > best) {
                        best = least;
                        brightest = QPoint(x, y);
                    }
                }
            EXPECT_GE(best, 225) << "kind " << kind;
            EXPECT_LT(brightest.x(), tile.width() / 2) << "kind " << kind;
            EXPECT_LT(brightest.y(), tile.height() / 2) << "kind " << kind;
        }
}

TEST(Backgrounds, AveragesAreTheTilesColours)
{
    for (size_t index = 0; index < BackgroundAverages.size(); ++index)
        for (int scale : Scales) {
            const QImage tile = atScale(backgroundName(index), scale);
            const Colour mean = meanColour(tile, [](int, int) { return true; });
            EXPECT_LE(channelMiss(mean, fromHex(BackgroundAverages[index])), AverageTolerance) << "tile " << index << " scale " << scale;
        }
}

// The step in colour from one column (or row) to the next, on average.
double meanStep(const QImage& image, bool columns, int from, int to)
{
    double sum = 0.0;
    const int length = columns ? image.height() : image.width();
    for (int i = 0; i < length; ++i) {
        const Colour a = colourOf(columns ? image.pixel(from, i) : image.pixel(i, from));
        const Colour b = colourOf(columns ? image.pixel(to, i) : image.pixel(i, to));
        sum += distance(a, b);
    }
    return sum / length;
}

// The seam where a tile meets its repeat may show faintly, but the step in
// colour across it must stay close to the steps beside it.
TEST(Backgrounds, RepeatWithoutHarshSeams)
{
    constexpr int Neighbours = 4;
    constexpr double FaintFactor = 1.5;
    for (size_t index = 0; index < BackgroundAverages.size(); ++index) {
        const QImage tile = atScale(backgroundName(index), 1);
        const int size = tile.width();
        for (bool columns : {true, false}) {
            double beside = 0.0;
            for (int i = 0; i < Neighbours; ++i)
                beside += meanStep(tile, columns, i, i + 1) + meanStep(tile, columns, size - 2 - i, size - 1 - i);
            beside /= 2 * Neighbours;
            EXPECT_LT(meanStep(tile, columns, size - 1, 0), FaintFactor * beside) << "tile " << index << (columns ? " across" : " down");
        }
    }
}

// Black and yellow at every size: across the middle and down it, a black
// outline, yellow, the black rectangle, yellow and the outline again, each
// pixel wholly one or the other. At 16 pixels the outline is one pixel wide
// and every pixel is clear, black or yellow.
TEST(Icon, EverySizeIsABlackOutlineOnYellowRoundABlackRectangle)
{
    const auto ink = [](QRgb p) {
        if (qAlpha(p) < 255)
            return qAlpha(p) == 0 ? 'c' : '?';
        if (std::max({qRed(p), qGreen(p), qBlue(p)}) < 40)
            return 'b';
        return qRed(p) > 220 && qGreen(p) > 160 && qBlue(p) < 90 ? 'y' : '?';
    };
    for (int size : IconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = committedPicture(QStringLiteral("icon/quorvel-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(ink(icon.pixel(0, 0)), 'c') << "a rounded corner";
        EXPECT_EQ(kindsAlong(icon, {0, size / 2}, {1, 0}, ink), "bybyb") << "across";
        EXPECT_EQ(kindsAlong(icon, {size / 2, 0}, {0, 1}, ink), "bybyb") << "down";
        for (int y = 0; y < size && size == IconSizes.front(); ++y)
            for (int x = 0; x < size; ++x)
                EXPECT_NE(ink(icon.pixel(x, y)), '?') << x << "," << y;
        EXPECT_TRUE(size > IconSizes.front() || ink(icon.pixel(1, size / 2)) == 'y') << "an outline one pixel wide";
    }
}

TEST(Icon, TheScalableIconIsAWellFormedSvg)
{
    QFile file(QStringLiteral(QUORVEL_ASSETS_DIR "/icon/quorvel.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    ASSERT_TRUE(reader.readNextStartElement());
    EXPECT_EQ(reader.name(), QLatin1String("svg"));
    EXPECT_FALSE(reader.attributes().value(QLatin1String("viewBox")).isEmpty());
    int shapes = 0;
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("rect"))
            ++shapes;
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(shapes, 3) << "the outline, the yellow inside it and the rectangle";
}

// The help box's sphere is block tile 9 standing free: the same where the
// tile shows the sphere whole, clear beyond its rim, and round the rim its
// own colour faded into transparency instead of mixed with the lavender, so
// on the dark box its edge is no lighter than the sphere just inside it.
TEST(AboutSphere, IsTileNineWithoutALightFringe)
{
    for (int scale : Scales) {
        const QImage sphere = atScale(QStringLiteral("about/sphere"), scale);
        const QImage tile = atScale(blockName(AboutSphereKind), scale);
        double insideRim = 0.0;
        double rim = 0.0;
        for (int y = 0; y < sphere.height(); ++y)
            for (int x = 0; x < sphere.width(); ++x) {
                const double d = centreDistance(sphere, x, y) / scale - SphereRadius;
                const double lightness = brightness(colourOf(sphere.pixel(x, y)));
                EXPECT_TRUE(d > -1.0 || sphere.pixel(x, y) == tile.pixel(x, y)) << x << "," << y;
                EXPECT_TRUE(d <= 1.0 || qAlpha(sphere.pixel(x, y)) == 0) << x << "," << y;
                if (d > -1.0 && qAlpha(sphere.pixel(x, y)) > 0)
                    rim = std::max(rim, lightness);
                if (d > -3.0 && d <= -1.0)
                    insideRim = std::max(insideRim, lightness);
            }
        EXPECT_LE(rim, insideRim + 8.0) << "scale " << scale;
    }
}

} // namespace
} // namespace quorvel::testing
