#include "ExpectedLook.h"
#include "PictureMeasures.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel::testing {
namespace {

struct ExpectedPicture {
    QString name;
    int width;
    int height;
};

const std::vector<ExpectedPicture>& SidePictures()
{
    static const std::vector<ExpectedPicture> pictures{
        {QStringLiteral("side/left"), 57, 47},   {QStringLiteral("side/right"), 57, 47},   {QStringLiteral("side/cycle"), 57, 46},
        {QStringLiteral("side/launch"), 106, 46}, {QStringLiteral("side/plate"), 198, 49},
    };
    return pictures;
}

QString BlockName(int kind)
{
    return QStringLiteral("blocks/%1").arg(kind);
}

QString BackgroundName(size_t index)
{
    return QStringLiteral("backgrounds/%1").arg(index);
}

std::vector<ExpectedPicture> AllScaledPictures()
{
    std::vector<ExpectedPicture> pictures;
    for (int kind = 0; kind <= BlockKinds; ++kind)
        pictures.push_back({BlockName(kind), TileSize, TileSize});
    for (size_t index = 0; index < BackgroundAverages.size(); ++index)
        pictures.push_back({BackgroundName(index), BackgroundSize, BackgroundSize});
    for (const ExpectedPicture& side : SidePictures())
        pictures.push_back(side);
    return pictures;
}

QImage AtScale(const QString& name, int scale)
{
    return Committed(name + (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png")));
}

bool IsLavender(QRgb pixel)
{
    return (pixel & 0xFFFFFFu) == Lavender && qAlpha(pixel) == 255;
}

TEST(PictureFiles, EachHasItsSizeAndATwinDrawnAtTwiceTheSize)
{
    for (const ExpectedPicture& picture : AllScaledPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        const QImage single = AtScale(picture.name, 1);
        const QImage twin = AtScale(picture.name, 2);
        ASSERT_FALSE(single.isNull());
        ASSERT_FALSE(twin.isNull());
        EXPECT_EQ(single.size(), QSize(picture.width, picture.height));
        EXPECT_EQ(twin.size(), QSize(2 * picture.width, 2 * picture.height));
        // The twin shows the same picture...
        EXPECT_LT(MeanDifference(single, Halved(twin)), 6.0);
    }
}

TEST(PictureFiles, TwinsAreDrawnFinerNotMerelyEnlarged)
{
    for (const ExpectedPicture& picture : AllScaledPictures()) {
        if (picture.name == BlockName(0))
            continue;
        SCOPED_TRACE(picture.name.toStdString());
        const QImage twin = AtScale(picture.name, 2);
        const PixelFilter detailed = [&twin](int x, int y) { return !IsLavender(twin.pixel(x, y)) && qAlpha(twin.pixel(x, y)) == 255; };
        EXPECT_LT(FlatQuadShare(twin, detailed), 0.3);
    }
}

TEST(PictureFiles, BlocksAndBackgroundsAreOpaque)
{
    for (const ExpectedPicture& picture : AllScaledPictures()) {
        if (picture.name.startsWith(QLatin1String("side/")))
            continue;
        for (int scale : Scales) {
            const QImage image = AtScale(picture.name, scale);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << picture.name.toStdString() << " at scale " << scale << ", " << x << "," << y;
        }
    }
}

TEST(SidePictures, OnlyTheirOuterFrameIsClear)
{
    for (const ExpectedPicture& picture : SidePictures())
        for (int scale : Scales) {
            const QImage image = AtScale(picture.name, scale);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool frame = x < scale || y < scale || x >= image.width() - scale || y >= image.height() - scale;
                    ASSERT_EQ(qAlpha(image.pixel(x, y)), frame ? 0 : 255) << picture.name.toStdString() << " at scale " << scale << ", " << x << "," << y;
                }
        }
}

double Brightness(const Colour& c)
{
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}

// The plates are a light stone of no strong hue, so they suit every
// background and stand clearly off each; their face is even, with no crack
// or vein darker than its grain.
TEST(SidePictures, ThePlainPlateIsAnEvenLightStone)
{
    constexpr double MostChroma = 30.0;
    constexpr double LighterThanBackgrounds = 60.0;
    constexpr double Grain = 20.0;
    constexpr int Rim = 5;
    for (int scale : Scales) {
        const QImage plate = AtScale(QStringLiteral("side/plate"), scale);
        const Colour mean = MeanColour(plate, [&plate](int x, int y) { return qAlpha(plate.pixel(x, y)) == 255; });
        EXPECT_LE(std::max({mean[0], mean[1], mean[2]}) - std::min({mean[0], mean[1], mean[2]}), MostChroma) << "scale " << scale;
        for (unsigned background : BackgroundAverages)
            EXPECT_GE(Brightness(mean) - Brightness(FromHex(background)), LighterThanBackgrounds) << std::hex << background;
        // Measured against its row, since the face is shaded from top to bottom.
        for (int y = Rim * scale; y < plate.height() - Rim * scale; ++y) {
            const Colour row = MeanColour(plate, [&plate, y](int x, int py) { return py == y && qAlpha(plate.pixel(x, py)) == 255; });
            for (int x = Rim * scale; x < plate.width() - Rim * scale; ++x)
                ASSERT_LE(Distance(ColourOf(plate.pixel(x, y)), row), Grain) << "scale " << scale << ", " << x << "," << y;
        }
    }
}

// Where the black outline of a symbol lies, as the mean position of its
// dark pixels within a band of rows or columns.
struct DarkBand {
    bool rows;
    double from;
    double to;
};

double MeanDarkPosition(const QImage& image, DarkBand band)
{
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double across = band.rows ? static_cast<double>(y) / image.height() : static_cast<double>(x) / image.width();
            if (qAlpha(p) == 255 && std::max({qRed(p), qGreen(p), qBlue(p)}) < 60 && across >= band.from && across < band.to) {
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
            const QImage image = AtScale(c.name, scale);
            const double middle = MeanDarkPosition(image, c.middle);
            const double outer = (MeanDarkPosition(image, c.outer1) + MeanDarkPosition(image, c.outer2)) / 2.0;
            ASSERT_FALSE(std::isnan(middle) || std::isnan(outer));
            EXPECT_GT((outer - middle) * c.middleComesFirst, 3.0 * scale);
        }
}

TEST(SidePictures, OnlyTheButtonsCarryABlackSymbol)
{
    for (const ExpectedPicture& picture : SidePictures())
        for (int scale : Scales) {
            const QImage image = AtScale(picture.name, scale);
            const bool hasSymbol = !std::isnan(MeanDarkPosition(image, {true, 0.0, 1.0}));
            EXPECT_EQ(hasSymbol, picture.name != QLatin1String("side/plate")) << picture.name.toStdString();
        }
}

TEST(BlockTiles, TheEmptyTileIsFlatLavender)
{
    for (int scale : Scales) {
        const QImage tile = AtScale(BlockName(0), scale);
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                ASSERT_TRUE(IsLavender(tile.pixel(x, y))) << "scale " << scale << ", " << x << "," << y;
    }
}

TEST(BlockTiles, CornersRoundEachSphereAreExactLavender)
{
    for (int kind = 1; kind <= BlockKinds; ++kind)
        for (int scale : Scales) {
            const QImage tile = AtScale(BlockName(kind), scale);
            for (int y = 0; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x) {
                    if (CentreDistance(tile, x, y) > (SphereRadius + 1.0) * scale) {
                        ASSERT_TRUE(IsLavender(tile.pixel(x, y))) << "kind " << kind << " scale " << scale << ", " << x << "," << y;
                    }
                }
        }
}

TEST(BlockTiles, SpheresAreSixtyPixelsAcrossAndCentred)
{
    for (int kind = 1; kind <= BlockKinds; ++kind)
        for (int scale : Scales) {
            SCOPED_TRACE(kind);
            const QImage tile = AtScale(BlockName(kind), scale);
            const int middle = tile.width() / 2;
            for (bool across : {true, false}) {
                int first = -1;
                int last = -1;
                for (int i = 0; i < tile.width(); ++i)
                    if (!IsLavender(across ? tile.pixel(i, middle) : tile.pixel(middle, i))) {
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
            const QImage tile = AtScale(BlockName(kind), scale);
            const Colour mean = MeanColour(tile, WithinRadius(tile, MeasuredRadius));
            EXPECT_LE(ChannelMiss(mean, FromHex(SphereAverages[kind - 1])), AverageTolerance) << "kind " << kind << " scale " << scale;
        }
}

TEST(BlockTiles, TheWhiteHighlightSitsAtTheUpperLeft)
{
    for (int kind = 1; kind <= BlockKinds; ++kind)
        for (int scale : Scales) {
            const QImage tile = AtScale(BlockName(kind), scale);
            QPoint brightest;
            int best = -1;
            for (int y = 0; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x) {
                    const QRgb p = tile.pixel(x, y);
                    const int least = std::min({qRed(p), qGreen(p), qBlue(p)});
                    if (!IsLavender(p) && least > best) {
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
            const QImage tile = AtScale(BackgroundName(index), scale);
            const Colour mean = MeanColour(tile, [](int, int) { return true; });
            EXPECT_LE(ChannelMiss(mean, FromHex(BackgroundAverages[index])), AverageTolerance) << "tile " << index << " scale " << scale;
        }
}

// The step in colour from one column (or row) to the next, on average.
double MeanStep(const QImage& image, bool columns, int from, int to)
{
    double sum = 0.0;
    const int length = columns ? image.height() : image.width();
    for (int i = 0; i < length; ++i) {
        const Colour a = ColourOf(columns ? image.pixel(from, i) : image.pixel(i, from));
        const Colour b = ColourOf(columns ? image.pixel(to, i) : image.pixel(i, to));
        sum += Distance(a, b);
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
        const QImage tile = AtScale(BackgroundName(index), 1);
        const int size = tile.width();
        for (bool columns : {true, false}) {
            double beside = 0.0;
            for (int i = 0; i < Neighbours; ++i)
                beside += MeanStep(tile, columns, i, i + 1) + MeanStep(tile, columns, size - 2 - i, size - 1 - i);
            beside /= 2 * Neighbours;
            EXPECT_LT(MeanStep(tile, columns, size - 1, 0), FaintFactor * beside) << "tile " << index << (columns ? " across" : " down");
        }
    }
}

// At every size, from the title bar's 16 pixels up, the icon shows the blue,
// green and crimson balls of a piece side by side in the pale well, each
// with a core of its own colour, however small.
TEST(Icon, EverySizeShowsThreeBallsInAWell)
{
    constexpr double Near = 40.0;
    const Colour well = FromHex(Lavender);
    const unsigned balls[] = {0x5180CB, 0x49AA63, 0xCA4572};
    for (int size : IconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = Committed(QStringLiteral("icon/quorvel-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 8);
        int wellPixels = 0;
        double lastX = -1.0;
        for (unsigned ball : balls) {
            double sumX = 0.0;
            int count = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const QRgb p = icon.pixel(x, y);
                    if (qAlpha(p) < 255)
                        continue;
                    if (Distance(ColourOf(p), FromHex(ball)) < Near) {
                        sumX += x;
                        ++count;
                    }
                    wellPixels += ball == balls[0] && Distance(ColourOf(p), well) < Near;
                }
            ASSERT_GE(count, 2) << std::hex << ball;
            EXPECT_GT(sumX / count, lastX) << std::hex << ball;
            lastX = sumX / count;
        }
        EXPECT_GT(wellPixels, size * size / 4);
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
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("circle"))
            ++shapes;
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(shapes, 3) << "the three balls";
}

} // namespace
} // namespace quorvel::testing
