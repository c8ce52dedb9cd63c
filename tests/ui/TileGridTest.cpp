// Where the tiles fall in device pixels at each scale, worked out by hand
// from the grid's rounding: pitch = 63 x scale rounded, line = scale rounded
// (at least 1), tile = pitch - line; the well's and the preview's runs of
// tiles keep the centres they have at scale 1 (the play area x 3..631,
// y 4..632; the preview x 683..870, y 110..171), rounded.
#include "TileSpots.h"

#include <QtTest>

using namespace quorvel;
using namespace quorvel::ui;

class TileGridTest : public QObject {
    Q_OBJECT

private slots:
    void tilesStandOnWholeDevicePixels_data();
    void tilesStandOnWholeDevicePixels();
};

// Top-left corners of column 11 row 27, of column 20 in the launch row, of
// preview positions 1 and 3; the client pixels to repaint for column 11 row 27.
void TileGridTest::tilesStandOnWholeDevicePixels_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("tile");
    QTest::addColumn<QList<QPoint>>("corners");
    QTest::addColumn<QRect>("topLeftCover");
    QTest::newRow("1") << 1.0 << 62 << QList<QPoint>{{3, 4}, {570, 571}, {683, 110}, {809, 110}} << QRect(3, 4, 62, 62);
    // 1.25: pitch 78.75 -> 79, line 1; the well's 629 px become 786.25
    // against 10 x 79 - 1 = 789, so it starts 1.375 px before 3.75.
    QTest::newRow("1.25") << 1.25 << 78 << QList<QPoint>{{2, 4}, {713, 715}, {853, 137}, {1011, 137}} << QRect(1, 3, 63, 63);
    QTest::newRow("1.5") << 1.5 << 93 << QList<QPoint>{{2, 4}, {857, 859}, {1024, 165}, {1214, 165}} << QRect(1, 2, 63, 63);
    QTest::newRow("1.75") << 1.75 << 108 << QList<QPoint>{{7, 8}, {997, 998}, {1196, 193}, {1416, 193}} << QRect(4, 4, 62, 63);
    QTest::newRow("2") << 2.0 << 124 << QList<QPoint>{{6, 8}, {1140, 1142}, {1366, 220}, {1618, 220}} << QRect(3, 4, 62, 62);
}

void TileGridTest::tilesStandOnWholeDevicePixels()
{
    QFETCH(qreal, scale);
    QFETCH(int, tile);
    QFETCH(QList<QPoint>, corners);
    QFETCH(QRect, topLeftCover);
    const TileGrid grid(scale);
    QCOMPARE(grid.tileSize(), tile);
    const int spots[] = {cellSpot(FirstColumn, TopRow), cellSpot(LastColumn, LaunchRow), WellSpots, SpotCount - 1};
    for (int k = 0; k < corners.size(); ++k)
        QCOMPARE(grid.deviceRect(spots[k]), QRect(corners[k], QSize(tile, tile)));
    QCOMPARE(grid.cover(spots[0]), topLeftCover);
}

QTEST_APPLESS_MAIN(TileGridTest)
#include "TileGridTest.moc"
