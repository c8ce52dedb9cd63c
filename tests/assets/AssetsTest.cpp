#include "Assets.h"
#include "ExpectedLook.h"
#include "PictureMeasures.h"

#include <QDirIterator>

#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

class Assets : public ::testing::Test {
protected:
    static void SetUpTestSuite() { initialiseAssets(); }
};

std::vector<QString> pathsTheGameUses()
{
    std::vector<QString> paths;
    for (int index = 0; index <= BlockKinds; ++index)
        paths.push_back(blockTilePath(index));
    for (size_t index = 0; index < BackgroundAverages.size(); ++index)
        paths.push_back(backgroundPath(static_cast<int>(index)));
    for (const char* side : {LeftButtonPicture, RightButtonPicture, CycleButtonPicture, LaunchButtonPicture, PlatePicture, AboutSpherePicture})
        paths.push_back(QLatin1String(side));
    for (int size : IconSizes)
        paths.push_back(iconPath(size));
    return paths;
}

TEST_F(Assets, EveryEmbeddedPictureEqualsItsFile)
{
    int pictures = 0;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.startsWith(QLatin1String(":/qt-project.org")))
            continue;
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_ARGB32), committedPicture(path.mid(2)));
        ++pictures;
    }
    // Ten tiles, five backgrounds, five plates and the help box's sphere,
    // each twice, and the icon in every size.
    EXPECT_EQ(pictures, 2 * (10 + 5 + 5 + 1) + static_cast<int>(IconSizes.size()));
}

TEST_F(Assets, EveryPathTheGameUsesNamesAPicture)
{
    for (const QString& path : pathsTheGameUses())
        EXPECT_FALSE(QImage(path).isNull()) << path.toStdString();
}

TEST_F(Assets, DenseScreensGetTheTwinAtTheSameLogicalSize)
{
    struct Case {
        qreal screenRatio;
        int pixels;
        qreal pictureRatio;
    };
    const Case cases[] = {{1.0, TileSize, 1.0}, {1.25, 2 * TileSize, 2.0}, {2.0, 2 * TileSize, 2.0}, {3.0, 2 * TileSize, 2.0}};
    for (const Case& c : cases) {
        const QImage tile = loadPicture(blockTilePath(3), c.screenRatio);
        EXPECT_EQ(tile.width(), c.pixels) << c.screenRatio;
        EXPECT_EQ(tile.devicePixelRatio(), c.pictureRatio) << c.screenRatio;
        EXPECT_EQ(tile.deviceIndependentSize(), QSizeF(TileSize, TileSize)) << c.screenRatio;
    }
}

TEST_F(Assets, PicturesWithoutATwinStayAsTheyAre)
{
    const QImage icon = loadPicture(iconPath(32), 2.0);
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.devicePixelRatio(), 1.0);
    EXPECT_TRUE(loadPicture(QStringLiteral(":/blocks/10.png"), 2.0).isNull());
}

} // namespace
} // namespace quorvel::testing
