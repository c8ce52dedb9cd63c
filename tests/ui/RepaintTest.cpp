#include "WindowAccess.h"
#include "ClientArea.h"
#include "Geometry.h"
#include "WindowUnderTest.h"

#include <QPaintEvent>
#include <QBackingStore>

#include <random>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;
using quorvel::testing::WindowUnderTest;

namespace {

// A table whose line 10 no game reaches: every game ends with the message,
// and no panel comes up over the well.
QByteArray UnbeatableTable()
{
    return ScoreTableFile([](int) { return 1000000; });
}

// The pixels the window holds for part of its client area, as last painted:
// its backing store, from which the window system is fed.
QImage OnScreen(TForm1& form, const QRect& area)
{
    QPaintDevice* store = form.backingStore()->paintDevice();
    if (store->devType() != QInternal::Image)
        return {};
    const auto* shown = static_cast<const QImage*>(store);
    const qreal ratio = shown->devicePixelRatio();
    const QRect window(Find<ui::ClientArea>(form, "client")->mapTo(&form, area.topLeft()), area.size());
    const QRect device(window.topLeft() * ratio, window.size() * ratio);
    return shown->copy(device).convertToFormat(QImage::Format_RGB32);
}

// The same part as a repaint of the whole client area draws it, off screen.
QImage FullyRepainted(TForm1& form, const QRect& area)
{
    return Find<ui::ClientArea>(form, "client")->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// Where the window's tiles stand, in one region, for the cells and preview
// positions that differ between two states.
QRegion ChangedTiles(const Board& before, const NextPiece& previewBefore, const Game& now)
{
    QRegion changed;
    for (int c = FirstColumn; c <= LastColumn; ++c)
        for (int r = LaunchRow; r <= FloorRow; ++r)
            if (before[c][r] != now.Cell(c, r))
                changed += CellRect(c, r);
    for (int i = 1; i <= 3; ++i)
        if (previewBefore[i - 1] != now.NextPiece()[i - 1])
            changed += PreviewTileRect(i);
    return changed;
}

// Collects what the client area paints of the well and the preview.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region() & (QRegion(BoardRect) + PreviewRect);
        return false;
    }
};

// Follows a game, checking after each tick and each steering key that the
// well and the preview show what a full repaint would show, and that only
// the tiles that changed were painted.
class Watcher {
public:
    explicit Watcher(TForm1& form) : form_(form), board_(GameOf(form).Board()), preview_(GameOf(form).NextPiece())
    {
        Find<ui::ClientArea>(form, "client")->installEventFilter(&recorder_);
    }

    void Check()
    {
        ++checks;
        if (recorder_.painted != ChangedTiles(board_, preview_, GameOf(form_)))
            ++paintedOtherThanChanged;
        board_ = GameOf(form_).Board();
        preview_ = GameOf(form_).NextPiece();
        for (const QRect& area : {BoardRect & Find<ClientArea>(form_, "client")->rect(), PreviewRect})
            differences += OnScreen(form_, area) != FullyRepainted(form_, area);
        Forget();
    }

    // Once the toolkit has caught up, the whole client area, labels and gaps
    // included, is what a full repaint shows.
    bool WholeClientAsFullyRepainted()
    {
        QCoreApplication::processEvents();
        const QRect all = Find<ClientArea>(form_, "client")->rect();
        const bool same = OnScreen(form_, all) == FullyRepainted(form_, all);
        Forget();
        return same;
    }

    int checks = 0;
    int paintedOtherThanChanged = 0;
    int differences = 0;

private:
    // The full repaints drawn off screen for the comparison count as nothing.
    void Forget() { recorder_.painted = QRegion(); }

    TForm1& form_;
    Board board_;
    NextPiece preview_;
    PaintRecorder recorder_;
};

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    void screenMatchesAFullRepaintThroughWholeGames_data();
    void screenMatchesAFullRepaintThroughWholeGames();
    void enlargedWindowShowsItsColourBeyondThePattern();
};

void RepaintTest::screenMatchesAFullRepaintThroughWholeGames_data()
{
    QTest::addColumn<uint32_t>("seed");
    QTest::newRow("seed 4") << 4u;
    QTest::newRow("seed 7") << 7u;
}

// Played with keys, as a person plays, at the timer's own pace.
void RepaintTest::screenMatchesAFullRepaintThroughWholeGames()
{
    QFETCH(uint32_t, seed);
    WindowUnderTest window(seed, UnbeatableTable());
    window.answer = BoxAnswer::Ok;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // At scale 2 every device pixel is compared, not a scaled-down copy.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(form.devicePixelRatio(), qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
    QCOMPARE(OnScreen(form, Find<ui::ClientArea>(form, "client")->rect()).size(), Find<ui::ClientArea>(form, "client")->size() * form.devicePixelRatio());
    auto watcher = std::make_unique<Watcher>(form);
    QObject::connect(Find<QTimer>(form, "Timer1"), &QTimer::timeout, &form, [&] { watcher->Check(); });

    // Each piece goes to a column chosen at random and is turned a few times,
    // so that the well fills across its width and lines clear.
    std::mt19937 moves(seed);
    int flights = 0;
    while (!GameOf(form).GameOver()) {
        const int shift = int(moves() % (ColumnCount - 2)) - (SpawnColumn - FirstColumn);
        std::vector<Qt::Key> keys(std::abs(shift), shift < 0 ? Qt::Key_Left : Qt::Key_Right);
        keys.insert(keys.end(), moves() % 3, Qt::Key_Down);
        for (const Qt::Key key : keys) {
            QTest::keyClick(form.windowHandle(), key);
            watcher->Check();
        }
        QTest::keyClick(form.windowHandle(), Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(!InFlight(form), 5000);
        ++flights;
        QVERIFY(watcher->WholeClientAsFullyRepainted());
    }
    QCOMPARE(window.boxes.size(), size_t(1));
    QVERIFY2(flights > 20, "a whole game");
    QVERIFY2(GameOf(form).Score() > 0, "landings that clear lines");
    QVERIFY(watcher->checks > flights);
    QCOMPARE(watcher->differences, 0);
    QCOMPARE(watcher->paintedOtherThanChanged, 0);
}

// The client area paints every pixel itself, the window's colour included.
void RepaintTest::enlargedWindowShowsItsColourBeyondThePattern()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Find<ui::ClientArea>(form, "client")->setMinimumSize(PatternRect.size() + QSize(100, 100));
    QTRY_VERIFY(Find<ui::ClientArea>(form, "client")->width() > PatternRect.width());
    QCoreApplication::processEvents();
    const QRect all = Find<ui::ClientArea>(form, "client")->rect();
    const QImage shown = OnScreen(form, all);
    QCOMPARE(shown, FullyRepainted(form, all));
    const qreal ratio = form.devicePixelRatio();
    const QColor windowColour(0x74, 0x72, 0x7E);
    for (const QPoint at : {QPoint(1050, 100), QPoint(100, 750), QPoint(1099, 799)})
        QCOMPARE(shown.pixelColor(at * ratio), windowColour);
    const QImage pattern = form.pictures().background(Find<ui::ClientArea>(form, "client")->background()).toImage();
    for (const QPoint at : {QPoint(999, 100), QPoint(100, 699)})
        QCOMPARE(shown.pixel(at * ratio), pattern.pixel((at * ratio).x() % pattern.width(), (at * ratio).y() % pattern.height()));
}

QTEST_MAIN(RepaintTest)
#include "RepaintTest.moc"
