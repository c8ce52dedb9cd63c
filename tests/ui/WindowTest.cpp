#include "WindowAccess.h"
#include "ClientArea.h"
#include "TileSpots.h"
#include "Well.h"
#include "DxButton.h"
#include "Geometry.h"
#include "LevelNames.h"
#include "PictureControl.h"
#include "Pictures.h"
#include "PictureMeasures.h"
#include "Placement.h"
#include "RadioGroup.h"
#include "WindowUnderTest.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;
using quorvel::testing::WindowUnderTest;

namespace {

std::vector<int> columns(const Game& game)
{
    return {game.Piece()[0].column, game.Piece()[1].column, game.Piece()[2].column};
}

std::vector<int> kindsIn(const Game& game)
{
    return {game.Piece()[0].kind, game.Piece()[1].kind, game.Piece()[2].kind};
}

// The mean brightness of a picture's opaque pixels.
double meanGrey(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255) {
                sum += qGray(image.pixel(x, y));
                ++count;
            }
    return count > 0 ? sum / count : 0.0;
}

// How far a picture button's pale symbol stands out of its plate: the
// distance between the mean colours of the light pixels of the face within
// the box round the symbol's black outline and of those outside it.
double symbolContrast(const QImage& look)
{
    const QImage image = look.convertToFormat(QImage::Format_ARGB32);
    const QRect face = image.rect().adjusted(4, 4, -4, -4);
    QRect symbol;
    for (int y = face.top(); y <= face.bottom(); ++y)
        for (int x = face.left(); x <= face.right(); ++x)
            if (qGray(image.pixel(x, y)) < 80)
                symbol |= QRect(x, y, 1, 1);
    const auto light = [&](bool inSymbol) {
        return [&, inSymbol](int x, int y) {
            return face.contains(x, y) && qGray(image.pixel(x, y)) >= 150 && symbol.contains(x, y) == inSymbol;
        };
    };
    return distance(meanColour(image, light(true)), meanColour(image, light(false)));
}

} // namespace

// Stands in for the desktop's browser and mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void menuBarHoldsTheFourCommands();
    void levelNamesNameOnlyTheFourDifficulties();
    void paintedWellShowsTilesAndBackground();
    void gridLinesAreEvenAndTilesSharp();
    void keysCallTheirMoves_data();
    void keysCallTheirMoves();
    void keysGoOnToTheFocusedControl();
    void keysDoNothingWhileADialogIsOpen();
    void picturesCallTheirMoves_data();
    void picturesCallTheirMoves();
    void namesFromTheFileShowAsTyped();
    void helpBoxShowsTheKeysAndOpensItsLinks();
    void helpBoxOpensCentredOverTheWindow();
    void boardAnnouncesThePiece();
    void textsFitTheirPlaces();
    void windowKeepsItsSizeOnScreen();
    void windowGoesBeforeWhatItsControlsRead_data();
    void windowGoesBeforeWhatItsControlsRead();
    void frameStandsWhereItCanBeReached_data();
    void frameStandsWhereItCanBeReached();
};

void WindowTest::controlsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    const std::pair<const char*, QRect> controls[] = {
        {"Image5", {680, 232, 201, 49}},   {"Image6", {680, 280, 201, 49}},   {"Image1", {680, 368, 57, 49}},
        {"Image2", {744, 368, 57, 49}},    {"Image3", {808, 368, 57, 49}},    {"Image4", {680, 432, 105, 49}},
        {"Panel1", {128, 120, 337, 337}},  {"Panel2", {24, 32, 137, 233}},    {"Blocksgroup", {24, 16, 89, 193}},
        {"dxButton1", {128, 288, 81, 25}}, {"Panel5", {176, 32, 137, 233}},   {"backchoice", {24, 16, 89, 193}},
        {"Scorepanel", {56, 64, 489, 481}}, {"Panel6", {40, 56, 409, 353}},   {"dxButton2", {200, 432, 89, 25}},
        {"overpanel", {216, 224, 225, 177}}, {"Playersname", {48, 80, 129, 24}}, {"dxButton3", {72, 128, 81, 25}},
    };
    for (const auto& [name, geometry] : controls)
        QTest::newRow(name) << QString::fromLatin1(name) << geometry;
    const std::pair<const char*, QPoint> labels[] = {
        {"Label16", {704, 248}}, {"blockslbl", {768, 248}}, {"Label2", {704, 296}}, {"Label1", {768, 296}},
        {"Label4", {200, 24}},   {"lblgameover", {48, 16}}, {"Label13", {56, 48}},  {"Label5", {16, 24}},
        {"name1", {56, 24}},     {"level4", {184, 120}},    {"score10", {296, 312}}, {"Label15", {16, 312}},
    };
    for (const auto& [name, at] : labels)
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(at, QSize());
}

void WindowTest::controlsStandWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    WindowUnderTest window;
    QCOMPARE(findControl<ui::ClientArea>(*window.form, "client")->size(), ClientSize);
    auto* control = window.form->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    if (geometry.isEmpty()) {
        QCOMPARE(control->pos(), geometry.topLeft());
        QCOMPARE(control->height(), 16);
    } else {
        QCOMPARE(control->geometry(), geometry);
    }
}

void WindowTest::menuBarHoldsTheFourCommands()
{
    WindowUnderTest window;
    QStringList captions;
    for (QAction* item : window.form->menuBar()->actions()) {
        captions << item->text();
        QVERIFY(!item->menu());
    }
    QCOMPARE(captions, (QStringList{"New Game", "Options", "High Scores", "Help/About"}));
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Quorvel"));
    QVERIFY(!(window.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    // The icon in each of the icon theme's sizes a title bar or a task bar
    // shows, so that it finds one drawn for it.
    QList<QSize> iconSizes;
    for (int size : {16, 22, 24, 32, 48, 64})
        iconSizes << QSize(size, size);
    QCOMPARE(Pictures::icon().availableSizes(), iconSizes);
}

// The difficulty group offers the same texts, in the same order.
void WindowTest::levelNamesNameOnlyTheFourDifficulties()
{
    const std::pair<int, std::optional<QString>> cases[] = {
        {5, std::nullopt}, {6, "Easy"}, {7, "Medium"}, {8, "Hard"}, {9, "Wicked"}, {10, std::nullopt}, {0, std::nullopt},
    };
    for (const auto& [level, name] : cases)
        QCOMPARE(LevelName(level), name);
    QStringList items;
    WindowUnderTest window;
    for (const QAbstractButton* item : findControl<RadioGroup>(*window.form, "Blocksgroup")->findChildren<QAbstractButton*>())
        items << item->text();
    QCOMPARE(items, levelNames());
    QCOMPARE(items, (QStringList{"Easy", "Medium", "Hard", "Wicked"}));
}

// Run at device pixel ratios from 1.25 to 2 as well: every tile is then
// drawn pixel for pixel from a picture of its device size, at whole device
// pixels, never blown up or cut between pixels.
void WindowTest::paintedWellShowsTilesAndBackground()
{
    WindowUnderTest window;
    const TForm1& form = *window.form;
    const QPixmap grabbed = findControl<ui::ClientArea>(form, "client")->grab();
    const qreal ratio = grabbed.devicePixelRatio();
    QCOMPARE(ratio, qApp->devicePixelRatio());
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    const QImage shot = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    // A tile of one colour is kept as its colour alone.
    const auto pixelOf = [&](const Pictures::Tile& tile, QPoint at) {
        return tile.flat.isValid() ? tile.flat.rgb() : tile.picture.toImage().convertToFormat(QImage::Format_RGB32).pixel(at);
    };
    const TileGrid& grid = findControl<Well>(form, "well")->grid();
    const int size = grid.tileSize();
    QCOMPARE(form.pictures().tile(1, size).picture.size(), QSize(size, size));
    QVERIFY2(form.pictures().tile(0, size).flat.isValid(), "the empty cell filled with its colour");

    const QPoint insideTile[] = {{0, 0}, {size - 1, size - 1}, {size / 2, size / 2}, {41, 90 % size}, {40, 91 % size}};
    for (int spot = 0; spot < SpotCount; ++spot) {
        const Pictures::Tile& block = form.pictures().tile(spotTile(gameOf(form), spot), size);
        for (const QPoint inside : insideTile)
            if (!block.isNull() && QRect(0, 0, size, size).contains(inside))
                QCOMPARE(shot.pixel(grid.deviceRect(spot).topLeft() + inside), pixelOf(block, inside));
    }
    const QPoint centre(size / 2, size / 2);
    QVERIFY(pixelOf(form.pictures().tile(gameOf(form).Cell(15, LaunchRow), size), centre) !=
            pixelOf(form.pictures().tile(0, size), centre));
    // The gaps between tiles, the strip above the top row and the frame of
    // the well show the pattern, never the window's colour; at whole scales
    // pixel for pixel.
    // Inside each option group, below its items, the panel's colour.
    choose(form, "Options1");
    QWidget* options = findControl<QWidget>(form, "Panel1");
    const QImage panel = options->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const char* name : {"Blocksgroup", "backchoice"}) {
        const QWidget* group = findControl<QWidget>(form, name);
        const QPoint inside = group->mapTo(options, QPoint(group->width() - 10, group->height() - 6));
        QCOMPARE(QColor(panel.pixel((QPointF(inside) * ratio).toPoint())), QColor(0xD1, 0xDD, 0xFC));
    }
    const QPixmap& pattern = form.pictures().background(findControl<ui::ClientArea>(form, "client")->background());
    if (ratio != qRound(ratio))
        return;
    QCOMPARE(pattern.devicePixelRatio(), ratio);
    const QSize tile = pattern.size();
    for (const QPoint at : {QPoint(65, 300), QPoint(300, 570), QPoint(128, 507), QPoint(100, 0), QPoint(400, 2),
                            QPoint(1, 300), QPoint(640, 600), QPoint(900, 630)}) {
        const QPoint device = at * ratio;
        QCOMPARE(shot.pixel(device), pixelOf({pattern, {}}, QPoint(device.x() % tile.width(), device.y() % tile.height())));
    }
}

// Through the window's own pixels: along an empty row and an empty column of
// the well, ten tiles of one width with lines of one width between them.
void WindowTest::gridLinesAreEvenAndTilesSharp()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shot.devicePixelRatio();
    const QRgb lavender = qRgb(0xE8, 0xE7, 0xFE);
    const QPoint client = findControl<ui::ClientArea>(form, "client")->mapTo(&form, QPoint());
    const QRect row = cellRect(FirstColumn, 25).united(cellRect(LastColumn, 25));
    const QRect column = cellRect(FirstColumn, TopRow).united(cellRect(FirstColumn, LaunchRow));
    const int size = findControl<Well>(form, "well")->grid().tileSize();
    for (const bool across : {true, false}) {
        // Runs of the empty tile's lavender, and of anything else between them.
        const QRect span = across ? row : column;
        const QPoint middle = across ? QPoint(0, span.height() / 2) : QPoint(span.width() / 2, 0);
        const QPoint start = (client + span.topLeft() + middle) * ratio - (across ? QPoint(8, 0) : QPoint(0, 8));
        const QPoint step = across ? QPoint(1, 0) : QPoint(0, 1);
        const int length = qRound((across ? span.width() : span.height()) * ratio) + 16;
        std::vector<std::pair<bool, int>> runs;
        for (int i = 0; i < length; ++i) {
            const bool tile = shot.pixel(start + step * i) == lavender;
            if (runs.empty() || runs.back().first != tile)
                runs.push_back({tile, 0});
            ++runs.back().second;
        }
        std::vector<int> tiles, lines;
        for (size_t k = 0; k < runs.size(); ++k) {
            if (runs[k].first)
                tiles.push_back(runs[k].second);
            else if (k > 0 && k + 1 < runs.size())
                lines.push_back(runs[k].second);
        }
        QCOMPARE(int(tiles.size()), across ? ColumnCount : RowCount);
        QCOMPARE(std::set<int>(tiles.begin(), tiles.end()), std::set<int>{size});
        QCOMPARE(std::set<int>(lines.begin(), lines.end()), std::set<int>{qMax(1, qRound(ratio))});
    }
}

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

void WindowTest::keysCallTheirMoves_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("effect");
    const Qt::KeyboardModifiers none, keypad(Qt::KeypadModifier);
    QTest::newRow("Left") << int(Qt::Key_Left) << none << "left";
    QTest::newRow("Shift+Left") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "left";
    QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::ControlModifier) << "left";
    QTest::newRow("keypad 4") << int(Qt::Key_4) << keypad << "left";
    QTest::newRow("digit 4") << int(Qt::Key_4) << none << "nothing";
    QTest::newRow("Right") << int(Qt::Key_Right) << none << "right";
    QTest::newRow("Alt+Right") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::AltModifier) << "right";
    QTest::newRow("keypad 6") << int(Qt::Key_6) << keypad << "right";
    QTest::newRow("digit 6") << int(Qt::Key_6) << none << "nothing";
    QTest::newRow("Down") << int(Qt::Key_Down) << none << "cycle";
    QTest::newRow("keypad 5") << int(Qt::Key_5) << keypad << "cycle";
    QTest::newRow("digit 5") << int(Qt::Key_5) << none << "nothing";
    QTest::newRow("keypad 8") << int(Qt::Key_8) << keypad << "nothing";
    QTest::newRow("keypad 2") << int(Qt::Key_2) << keypad << "nothing";
    QTest::newRow("Up") << int(Qt::Key_Up) << none << "launch";
    QTest::newRow("Space") << int(Qt::Key_Space) << none << "launch";
    QTest::newRow("Shift+Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "launch";
    QTest::newRow("A") << int(Qt::Key_A) << none << "nothing";
    QTest::newRow("Return") << int(Qt::Key_Return) << none << "nothing";
}

void WindowTest::keysCallTheirMoves()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, effect);
    WindowUnderTest window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const std::vector<int> kinds = kindsIn(gameOf(form));
    QTest::keyClick(form.windowHandle(), Qt::Key(key), modifiers);
    const int firstColumn = effect == "left" ? 13 : effect == "right" ? 15 : 14;
    QCOMPARE(columns(gameOf(form)), (std::vector<int>{firstColumn, firstColumn + 1, firstColumn + 2}));
    const std::vector<int> cycled{kinds[1], kinds[2], kinds[0]};
    QCOMPARE(kindsIn(gameOf(form)), effect == "cycle" ? cycled : kinds);
    QCOMPARE(pieceInFlight(form), effect == "launch");
}

void WindowTest::keysGoOnToTheFocusedControl()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    findControl<QWidget>(form, "overpanel")->show();
    findControl<QLineEdit>(form, "Playersname")->clear();
    findControl<QLineEdit>(form, "Playersname")->setFocus();
    QTest::keyClick(form.windowHandle(), Qt::Key_Space);
    QCOMPARE(findControl<QLineEdit>(form, "Playersname")->text(), QStringLiteral(" "));
    QVERIFY(pieceInFlight(form));
}

void WindowTest::keysDoNothingWhileADialogIsOpen()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    std::vector<int> columnsWhileOpen;
    QVERIFY2(form.findChild<TAboutBox*>() && !form.findChild<TAboutBox*>()->isVisible(), "made hidden with the window");
    QTimer::singleShot(0, window.about(), [&] {
        QTest::keyClick(form.windowHandle(), Qt::Key_Left);
        QTest::keyClick(window.about()->windowHandle(), Qt::Key_Left);
        columnsWhileOpen = columns(gameOf(form));
        window.about()->accept();
    });
    choose(form, "About1");
    QCOMPARE(columnsWhileOpen, (std::vector<int>{14, 15, 16}));
    QTest::keyClick(form.windowHandle(), Qt::Key_Left);
    QCOMPARE(columns(gameOf(form)), (std::vector<int>{13, 14, 15}));
}

void WindowTest::picturesCallTheirMoves_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<bool>("cycled");
    QTest::addColumn<bool>("launched");
    QTest::newRow("Image1") << "Image1" << 13 << false << false;
    QTest::newRow("Image2") << "Image2" << 15 << false << false;
    QTest::newRow("Image3") << "Image3" << 14 << true << false;
    QTest::newRow("Image4") << "Image4" << 14 << false << true;
    QTest::newRow("Image5 takes no clicks") << "Image5" << 14 << false << false;
    QTest::newRow("the well takes no clicks") << "client" << 14 << false << false;
}

void WindowTest::picturesCallTheirMoves()
{
    QFETCH(QString, picture);
    QFETCH(int, firstColumn);
    QFETCH(bool, cycled);
    QFETCH(bool, launched);
    WindowUnderTest window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const std::vector<int> kinds = kindsIn(gameOf(form));
    auto* target = form.findChild<QWidget*>(picture);
    QVERIFY(target);
    const QPoint at = picture == "client" ? QPoint(300, 300) : QPoint(20, 20);
    const bool button = picture.startsWith("Image") && picture != "Image5" && picture != "Image6";
    // What the window shows where the control stands.
    const auto looks = [&] { return form.grab(QRect(target->mapTo(&form, QPoint()), target->size())).toImage(); };
    const QImage idle = looks();
    QTest::mouseMove(target, at);
    // A picture button lights up under the pointer, its symbol about as
    // clear as before, and sinks in while held, its clear frame still showing the
    // background. Wayland lets no client place the pointer, so there only the
    // pressed look is seen.
    if (button && QGuiApplication::platformName() != QLatin1String("wayland")) {
        QTRY_VERIFY(meanGrey(looks()) > meanGrey(idle) + 8.0);
        QVERIFY2(symbolContrast(looks()) >= 0.9 * symbolContrast(idle),
                 qPrintable(QStringLiteral("%1 lit, %2 idle").arg(symbolContrast(looks())).arg(symbolContrast(idle))));
    }
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    if (button) {
        const QImage pressed = looks();
        QVERIFY(meanGrey(pressed) < meanGrey(idle) - 4.0);
        QCOMPARE(pressed.copy(0, 0, pressed.width(), 1), idle.copy(0, 0, idle.width(), 1));
    }
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    QCOMPARE(gameOf(form).Piece()[0].column, firstColumn);
    QCOMPARE(kindsIn(gameOf(form)) != kinds, cycled);
    QCOMPARE(pieceInFlight(form), launched);
    if (picture.startsWith("Image") && picture != "Image5")
        QCOMPARE(target->cursor().shape(), Qt::PointingHandCursor);
}

void WindowTest::namesFromTheFileShowAsTyped()
{
    WindowUnderTest window(1, "[Scoreline1]\nName=<b>x</b>\n[Scoreline2]\nName=<img src=a>\n[Settings]\nName=<i>me</i>\n");
    const TForm1& form = *window.form;
    for (const auto& [label, text] : {std::pair{"name1", "<b>x</b>"}, std::pair{"name2", "<img src=a>"}}) {
        auto* shown = form.findChild<QLabel*>(label);
        QCOMPARE(shown->text(), QString::fromLatin1(text));
        // Shown as markup it would be one letter or a picture; as typed it
        // needs the width of every character.
        QVERIFY(shown->sizeHint().width() >= shown->fontMetrics().horizontalAdvance(QString::fromLatin1(text)));
    }
    QCOMPARE(findControl<QLineEdit>(form, "Playersname")->text(), QStringLiteral("<i>me</i>"));

    // A name as long as the file allows shows only what its column can hold,
    // and the file keeps it whole.
    const QString accented = 'a' + QString(2046, QChar(0x0301));
    WindowUnderTest longNames(1, "[Scoreline1]\nName=" + accented.toUtf8() + "\n[Scoreline2]\nName=" + QByteArray(3000, 'w') + '\n');
    const QString shownAccented = scoreLabel(*longNames.form, "name", 0)->text();
    QVERIFY2(shownAccented.size() > 1 && shownAccented.size() <= 40 && accented.startsWith(shownAccented),
             qPrintable(QString::number(shownAccented.size())));
    const QString shownLong = scoreLabel(*longNames.form, "name", 1)->text();
    QVERIFY(shownLong.size() >= 12 && shownLong.size() <= 40 && shownLong == QString(shownLong.size(), 'w'));
    QCOMPARE(WindowAccess::scoreTableOf(*longNames.form)[0].name, accented);
    // The start-up has written the options back into the file.
    QFile file(longNames.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY(saved.contains("Name=" + accented.toUtf8() + '\n') && saved.contains("Name=" + QByteArray(3000, 'w') + '\n') &&
            saved.contains("Background=0"));
}

void WindowTest::helpBoxShowsTheKeysAndOpensItsLinks()
{
    WindowUnderTest window;
    TAboutBox& box = *window.about();
    const std::pair<const char*, const char*> texts[] = {
        {"Label3", "Quorvel   1.0"},
        {"Label2", "Controls:"},
        {"Label6", "Left      -  Left Arrow Key       or       keypad Key 4"},
        {"Label7", "Right    -  Right Arrow Key     or       keypad Key 6"},
        {"Label8", "Rotate  -  Down Arrow Key     or      keypad Key 5"},
        {"Label9", "Up        -  Up Arrow Key         or      Space bar"},
    };
    for (const auto& [name, text] : texts)
        QCOMPARE(box.findChild<QLabel*>(name)->text(), QString::fromLatin1(text));
    QCOMPARE(findControl<QLabel>(box, "Label4")->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QCOMPARE(findControl<QLabel>(box, "Label4")->cursor().shape(), Qt::PointingHandCursor);

    UrlRecorder opened;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &opened, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &opened, "open");
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(findControl<QLabel>(box, "Label4"), Qt::LeftButton);
    QTest::mouseClick(findControl<QLabel>(box, "Label5"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(opened.urls, (QList<QUrl>{QUrl(findControl<QLabel>(box, "Label4")->text()), QUrl(QStringLiteral("mailto:") + findControl<QLabel>(box, "Label5")->text())}));
    QVERIFY(box.isVisible());
}

// The first time, whatever the scale; later where it was left.
void WindowTest::helpBoxOpensCentredOverTheWindow()
{
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QSKIP("Wayland lets no client place its windows");
    WindowUnderTest window;
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    std::vector<QPoint> centres;
    const auto openAndMove = [&](QPoint by) {
        QTimer::singleShot(0, window.about(), [&, by] {
            QVERIFY(QTest::qWaitForWindowExposed(window.about()));
            QTest::qWait(200);
            centres.push_back(window.about()->frameGeometry().center());
            window.about()->move(window.about()->pos() + by);
            window.about()->accept();
        });
        choose(form, "About1");
    };
    openAndMove({40, 30});
    openAndMove({});
    QCOMPARE(centres.size(), size_t(2));
    QVERIFY2((centres[0] - form.frameGeometry().center()).manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(centres[0].x()).arg(centres[0].y())));
    QCOMPARE(centres[1], centres[0] + QPoint(40, 30));
}

// Described from the start, before any move or paint.
void WindowTest::boardAnnouncesThePiece()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    const QString waiting = findControl<QWidget>(form, "well")->accessibleDescription();
    QVERIFY2(waiting.startsWith(QStringLiteral("Piece in columns 4 to 6 of 10, row 1: ")), qPrintable(waiting));
    click(form, "Image2");
    QVERIFY(findControl<QWidget>(form, "well")->accessibleDescription().startsWith(QStringLiteral("Piece in columns 5 to 7 of 10, row 1: ")));
}

// No text is cut short or drawn over another control, whatever face stands
// in for Verdana.
void WindowTest::textsFitTheirPlaces()
{
    WindowUnderTest window;
    choose(*window.form, "Options1");
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    for (const RadioGroup* group : {findControl<ui::RadioGroup>(*window.form, "Blocksgroup"), findControl<ui::RadioGroup>(*window.form, "backchoice")})
        for (const QAbstractButton* item : group->findChildren<QAbstractButton*>())
            QVERIFY2(item->geometry().right() < group->contentsRect().right() + 1 &&
                         item->sizeHint().width() <= item->width(),
                     qPrintable(item->text()));
    const QList<QWidget*> controls = window.about()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* a : controls)
        for (const QWidget* b : controls)
            QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " overlaps " + b->objectName()));
}

// The window system leaves the window at the size the layout gives it.
void WindowTest::windowKeepsItsSizeOnScreen()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    const QSize laidOut = form.size();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowHandle()->size(), laidOut);
    QCOMPARE(form.size(), laidOut);
    QCOMPARE(findControl<ui::ClientArea>(form, "client")->size(), ClientSize);
}

// Every control that draws a picture holds its share of the pictures: one
// taken out of the window, alone, still draws the same after the window and
// everything else that held them have gone. Under the address sanitizer a
// read of pictures gone with the window is a fault.
void WindowTest::windowGoesBeforeWhatItsControlsRead_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("a picture button") << "Image1";
    QTest::newRow("a plate") << "Image5";
}

void WindowTest::windowGoesBeforeWhatItsControlsRead()
{
    QFETCH(QString, control);
    WindowUnderTest window;
    QVERIFY(window.showActive());
    std::unique_ptr<QWidget> picture(findControl<QWidget>(*window.form, control));
    picture->setParent(nullptr);
    const QImage drawn = picture->grab().toImage();
    QCOMPARE(drawn.pixelColor(drawn.rect().center()).alpha(), 255);
    window.form.reset();
    QCOMPARE(picture->grab().toImage(), drawn);
}

void WindowTest::frameStandsWhereItCanBeReached_data()
{
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("topLeft");
    // A window of 919 by 663 in a frame of 927 by 696.
    const QMargins framed(4, 29, 4, 4);
    QTest::newRow("1920x1080") << framed << QRect(0, 0, 1920, 1080) << QPoint(496, 192);
    QTest::newRow("1280x1024, panel below") << framed << QRect(0, 0, 1280, 984) << QPoint(176, 144);
    QTest::newRow("1024x768, panel above") << framed << QRect(0, 27, 1024, 741) << QPoint(48, 49);
    QTest::newRow("second screen on the right") << framed << QRect(1920, 0, 1280, 1024) << QPoint(2096, 164);
    QTest::newRow("not framed yet") << QMargins() << QRect(0, 0, 1920, 1080) << QPoint(500, 208);
    // As an X11 window manager announces the frame: left, right, top, bottom
    // in device pixels.
    QTest::newRow("announced") << announcedFrame({4, 4, 29, 4}, 1.0) << QRect(0, 0, 1920, 1080) << QPoint(496, 192);
    QTest::newRow("announced at scale 2") << announcedFrame({8, 8, 58, 8}, 2.0) << QRect(0, 0, 1920, 1080) << QPoint(496, 192);
    // Too short or too narrow: the title bar's corner at the area's.
    QTest::newRow("1024x600") << framed << QRect(0, 0, 1024, 600) << QPoint(48, 0);
    QTest::newRow("1366x768 at 1.25, panel above") << framed << QRect(0, 26, 1093, 588) << QPoint(83, 26);
    QTest::newRow("800x600 left of the first screen") << framed << QRect(-800, 0, 800, 600) << QPoint(-800, 0);
    QTest::newRow("exactly as tall") << framed << QRect(0, 10, 1000, 696) << QPoint(36, 10);
}

void WindowTest::frameStandsWhereItCanBeReached()
{
    QFETCH(QMargins, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, topLeft);
    QCOMPARE(framePlace(QSize(919, 663), frame, available), topLeft);
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
