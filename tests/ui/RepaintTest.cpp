#include "WindowAccess.h"
#include "ClientArea.h"
#include "RadioGroup.h"
#include "Geometry.h"
#include "TileSpots.h"
#include "Well.h"
#include "WindowUnderTest.h"

#include <QPaintEvent>
#include <QBackingStore>

#include <functional>
#include <random>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;
using quorvel::testing::WindowUnderTest;

namespace {

// A table whose line 10 no game reaches: every game ends with the message,
// and no panel comes up over the well.
QByteArray unbeatableTable()
{
    return scoreTableFile([](int) { return 1000000; });
}

// The device pixels of part of the client area in a picture of the whole
// window. At a fractional scale the client area may start between two
// device pixels, under a menu bar of odd height.
QImage clientPart(const TForm1& form, const QImage& window, const QRect& area)
{
    const qreal ratio = window.devicePixelRatio();
    const QRect logical(findControl<ui::ClientArea>(form, "client")->mapTo(&form, area.topLeft()), area.size());
    const QRect device(logical.topLeft() * ratio, logical.size() * ratio);
    return window.copy(device).convertToFormat(QImage::Format_RGB32);
}

// The pixels the window holds for part of its client area, as last painted:
// its backing store, from which the window system is fed.
QImage onScreen(TForm1& form, const QRect& area)
{
    QPaintDevice* store = form.backingStore()->paintDevice();
    if (store->devType() != QInternal::Image)
        return {};
    return clientPart(form, *static_cast<const QImage*>(store), area);
}

// The same part as a repaint of the whole window draws it, off screen.
QImage fullyRepainted(TForm1& form, const QRect& area)
{
    return clientPart(form, form.grab().toImage(), area);
}

const Well& wellOf(const TForm1& form) { return *findControl<Well>(form, "well"); }
const TileGrid& gridOf(const TForm1& form) { return wellOf(form).grid(); }
QRegion tilesArea(const TForm1& form) { return QRegion(gridOf(form).boardCover()) + gridOf(form).previewCover(); }

// Where the window's tiles stand, in one region, for the cells and preview
// positions that differ between two states.
QRegion changedTiles(const TileGrid& grid, const Board& before, const NextPiece& previewBefore, const Game& now)
{
    QRegion changed;
    for (int c = FirstColumn; c <= LastColumn; ++c)
        for (int r = LaunchRow; r <= FloorRow; ++r)
            if (before[c][r] != now.Cell(c, r))
                changed += grid.cover(cellSpot(c, r));
    for (int i = 1; i <= 3; ++i)
        if (previewBefore[i - 1] != now.NextPiece()[i - 1])
            changed += grid.cover(WellSpots + i - 1);
    return changed;
}

// Collects what the client area and the well paint of the well and the
// preview, in client pixels.
class PaintRecorder : public QObject {
public:
    PaintRecorder(const QRegion& tiles, const QWidget& client) : tiles_(tiles), client_(client) {}
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const QPoint origin = static_cast<QWidget*>(watched)->mapTo(client_.window(), QPoint()) -
                                  client_.mapTo(client_.window(), QPoint());
            painted += static_cast<QPaintEvent*>(event)->region().translated(origin) & tiles_;
        }
        return false;
    }

private:
    QRegion tiles_;
    const QWidget& client_;
};

// Follows a game, checking after each tick and each steering key that the
// well and the preview show what a full repaint would show, and that only
// the tiles that changed were painted.
class Watcher {
public:
    explicit Watcher(TForm1& form)
        : form_(form), board_(gameOf(form).Board()), preview_(gameOf(form).NextPiece()), recorder_(tilesArea(form), *findControl<ClientArea>(form, "client"))
    {
        findControl<ClientArea>(form, "client")->installEventFilter(&recorder_);
        findControl<Well>(form, "well")->installEventFilter(&recorder_);
    }

    void check()
    {
        // A window its compositor has stopped showing (on Wayland, when frame
        // callbacks come late under load) is painted nothing until it shows
        // again, and then whole: the checks up to the first one after that
        // prove nothing.
        const bool exposed = form_.windowHandle()->isExposed();
        if (exposed && !catchingUp_)
            compare();
        catchingUp_ = !exposed;
        board_ = gameOf(form_).Board();
        preview_ = gameOf(form_).NextPiece();
        forget();
    }

    // Once the toolkit has caught up, the whole client area, labels and gaps
    // included, is what a full repaint shows.
    bool wholeClientAsFullyRepainted()
    {
        const QRect all = findControl<ClientArea>(form_, "client")->rect();
        const bool same = QTest::qWaitFor([&] { return onScreen(form_, all) == fullyRepainted(form_, all); }, 2000);
        forget();
        return same;
    }

    int compared = 0;
    int paintedOtherThanChanged = 0;
    int differences = 0;

private:
    void compare()
    {
        ++compared;
        const QRegion changed = changedTiles(gridOf(form_), board_, preview_, gameOf(form_));
        if (recorder_.painted != (changed & tilesArea(form_)))
            ++paintedOtherThanChanged;
        for (const QRect& area : {gridOf(form_).boardCover() & findControl<ClientArea>(form_, "client")->rect(), gridOf(form_).previewCover()})
            differences += onScreen(form_, area) != fullyRepainted(form_, area);
    }

    // The full repaints drawn off screen for the comparison count as nothing.
    void forget()
    {
        recorder_.painted = QRegion();
    }

    TForm1& form_;
    Board board_;
    NextPiece preview_;
    PaintRecorder recorder_;
    bool catchingUp_ = false;
};

// Plays a whole game with keys at the timer's own pace. Each piece goes to a
// column chosen at random and is turned a few times, so that the well fills
// across its width and lines clear.
void playWithKeys(TForm1& form, uint32_t seed, const std::function<void()>& afterKey,
                  const std::function<void()>& afterFlight)
{
    std::mt19937 moves(seed);
    while (!gameOf(form).GameOver() && !QTest::currentTestFailed()) {
        const int shift = int(moves() % (ColumnCount - 2)) - (SpawnColumn - FirstColumn);
        std::vector<Qt::Key> keys(std::abs(shift), shift < 0 ? Qt::Key_Left : Qt::Key_Right);
        keys.insert(keys.end(), moves() % 3, Qt::Key_Down);
        for (const Qt::Key key : keys) {
            QTest::keyClick(form.windowHandle(), key);
            afterKey();
        }
        QTest::keyClick(form.windowHandle(), Qt::Key_Space);
        if (!QTest::qWaitFor([&] { return !pieceInFlight(form); }, 5000))
            QFAIL("a flight that never lands");
        afterFlight();
    }
}

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    void screenMatchesAFullRepaintThroughWholeGames_data();
    void screenMatchesAFullRepaintThroughWholeGames();
    void wholeClientAsFullyRepaintedAfter_data();
    void wholeClientAsFullyRepaintedAfter();
};

void RepaintTest::screenMatchesAFullRepaintThroughWholeGames_data()
{
    QTest::addColumn<uint32_t>("seed");
    QTest::newRow("seed 4") << 4u;
    QTest::newRow("seed 7") << 7u;
}

// Played with keys, as a person plays, at the timer's own pace. The landing
// tick's paint shows the settled board with the next piece at once.
void RepaintTest::screenMatchesAFullRepaintThroughWholeGames()
{
    QFETCH(uint32_t, seed);
    WindowUnderTest window(seed, unbeatableTable());
    window.answer = BoxAnswer::Ok;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // At scale 2 every device pixel is compared, not a scaled-down copy.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(form.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    QCOMPARE(onScreen(form, findControl<ui::ClientArea>(form, "client")->rect()).size(), findControl<ui::ClientArea>(form, "client")->size() * form.devicePixelRatio());
    auto watcher = std::make_unique<Watcher>(form);
    QObject::connect(findControl<QTimer>(form, "Timer1"), &QTimer::timeout, &form, [&] { watcher->check(); });

    int flights = 0;
    int32_t score = 0;
    playWithKeys(form, seed, [&] { watcher->check(); }, [&] {
        ++flights;
        QVERIFY(watcher->wholeClientAsFullyRepainted());
        // A screen reader hears what the landing cleared, over all the steps
        // of its chain, and nothing of it once a landing clears nothing.
        const int32_t won = gameOf(form).Score() - score;
        score = gameOf(form).Score();
        const QString heard = wellOf(form).accessibleDescription();
        const QString cleared = QStringLiteral("%1 blocks vanished, %2 points. ").arg(won / PointsPerBlock(gameOf(form).KindCount())).arg(won);
        QVERIFY2(won > 0 ? heard.startsWith(cleared) : !heard.contains(QStringLiteral("vanished")), qPrintable(heard));
    });
    QCOMPARE(window.boxes.size(), size_t(1));
    QVERIFY2(flights > 20, "a whole game");
    QVERIFY2(gameOf(form).Score() > 0, "landings that clear lines");
    QVERIFY(watcher->compared > flights);
    QCOMPARE(watcher->differences, 0);
    QCOMPARE(watcher->paintedOtherThanChanged, 0);
}

void RepaintTest::wholeClientAsFullyRepaintedAfter_data()
{
    QTest::addColumn<bool>("enlarge");
    QTest::newRow("the window enlarged") << true;
    QTest::newRow("a background chosen") << false;
}

// The client area paints every pixel itself, the window's colour included,
// and the well the pattern between its tiles.
void RepaintTest::wholeClientAsFullyRepaintedAfter()
{
    QFETCH(bool, enlarge);
    WindowUnderTest window;
    TForm1& form = *window.form;
    ClientArea& client = *findControl<ClientArea>(form, "client");
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (enlarge) {
        client.setMinimumSize(PatternRect.size() + QSize(100, 100));
        QTRY_VERIFY(client.width() > PatternRect.width());
    } else {
        choose(form, "Options1");
        findControl<RadioGroup>(form, "backchoice")->setItemIndex(3);
        QTest::mouseClick(findControl<QAbstractButton>(form, "dxButton1"), Qt::LeftButton);
        QVERIFY(!findControl<QWidget>(form, "Panel1")->isVisible());
        QCOMPARE(client.background(), 3);
    }
    QCoreApplication::processEvents();
    const QImage shown = onScreen(form, client.rect());
    QCOMPARE(shown, fullyRepainted(form, client.rect()));
    if (!enlarge)
        return;
    const qreal ratio = form.devicePixelRatio();
    const QColor windowColour(0x74, 0x72, 0x7E);
    for (const QPoint at : {QPoint(1050, 100), QPoint(100, 750), QPoint(1099, 799)})
        QCOMPARE(shown.pixelColor(at * ratio), windowColour);
    // The pattern is drawn pixel for pixel at whole scales only.
    if (ratio != qRound(ratio))
        return;
    const QImage pattern = form.pictures().background(client.background()).toImage();
    for (const QPoint at : {QPoint(999, 100), QPoint(100, 699)})
        QCOMPARE(shown.pixel(at * ratio), pattern.pixel((at * ratio).x() % pattern.width(), (at * ratio).y() % pattern.height()));
}

QTEST_MAIN(RepaintTest)
#include "RepaintTest.moc"
