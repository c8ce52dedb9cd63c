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

void TileGridTest::tilesStandOnWholeDevicePixels_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("tile");
    QTest::addColumn<QPoint>("topLeftCell");   // column 11, row 27
    QTest::addColumn<QPoint>("farCell");       // column 20, the launch row
    QTest::addColumn<QPoint>("firstPreview");  // preview position 1
    QTest::addColumn<QPoint>("lastPreview");   // preview position 3
    QTest::addColumn<QRect>("topLeftCover");   // client pixels to repaint for column 11, row 27
    // 1.25: pitch 78.75 -> 79, line 1; the well's 629 px become 786.25
    // against 10 x 79 - 1 = 789, so it starts 1.375 px before 3.75.
    QTest::newRow("1") << 1.0 << 63 << 62 << QPoint(3, 4) << QPoint(570, 571) << QPoint(683, 110) << QPoint(809, 110)
                       << QRect(3, 4, 62, 62);
    QTest::newRow("1.25") << 1.25 << 79 << 78 << QPoint(2, 4) << QPoint(713, 715) << QPoint(853, 137)
                          << QPoint(1011, 137) << QRect(1, 3, 63, 63);
    QTest::newRow("1.5") << 1.5 << 95 << 93 << QPoint(2, 4) << QPoint(857, 859) << QPoint(1024, 165)
                         << QPoint(1214, 165) << QRect(1, 2, 63, 63);
    QTest::newRow("1.75") << 1.75 << 110 << 108 << QPoint(7, 8) << QPoint(997, 998) << QPoint(1196, 193)
                          << QPoint(1416, 193) << QRect(4, 4, 62, 63);
    QTest::newRow("2") << 2.0 << 126 << 124 << QPoint(6, 8) << QPoint(1140, 1142) << QPoint(1366, 220)
                       << QPoint(1618, 220) << QRect(3, 4, 62, 62);
}

void TileGridTest::tilesStandOnWholeDevicePixels()
{
    QFETCH(qreal, scale);
    QFETCH(int, pitch);
    QFETCH(int, tile);
    QFETCH(QPoint, topLeftCell);
    QFETCH(QPoint, farCell);
    QFETCH(QPoint, firstPreview);
    QFETCH(QPoint, lastPreview);
    QFETCH(QRect, topLeftCover);
    const TileGrid grid(scale);
    QCOMPARE(grid.pitch(), pitch);
    QCOMPARE(grid.tileSize(), tile);
    const QSize size(tile, tile);
    QCOMPARE(grid.DeviceRect(CellSpot(FirstColumn, TopRow)), QRect(topLeftCell, size));
    QCOMPARE(grid.DeviceRect(CellSpot(LastColumn, LaunchRow)), QRect(farCell, size));
    QCOMPARE(grid.DeviceRect(WellSpots), QRect(firstPreview, size));
    QCOMPARE(grid.DeviceRect(SpotCount - 1), QRect(lastPreview, size));
    QCOMPARE(grid.Cover(CellSpot(FirstColumn, TopRow)), topLeftCover);
}

QTEST_APPLESS_MAIN(TileGridTest)
#include "TileGridTest.moc"
