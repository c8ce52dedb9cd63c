#include "WindowAccess.h"
#include "ClientArea.h"
#include "DxButton.h"
#include "Geometry.h"
#include "RadioGroup.h"
#include "StandardBoxCatcher.h"
#include "WindowUnderTest.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include <random>

#include <sys/inotify.h>
#include <unistd.h>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;
using quorvel::testing::tableWithLine10;
using quorvel::testing::WindowUnderTest;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The value of a key as the file holds it, read by a plain line scan.
QString valueIn(const QByteArray& file, const QString& section, const QString& key)
{
    QString current;
    for (const QByteArray& raw : file.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            current = line.mid(1, line.size() - 2);
        else if (current == section && line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    }
    return QStringLiteral("<absent>");
}

// Counts the saves of the settings file in `folder`: each puts a whole new
// file in place under its name, or writes it where it is.
class SaveCounter {
public:
    explicit SaveCounter(const QString& folder) : watch_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (watch_ < 0 || inotify_add_watch(watch_, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CLOSE_WRITE) < 0)
            qFatal("cannot watch the settings folder");
    }
    ~SaveCounter() { close(watch_); }

    int saves()
    {
        int count = 0;
        alignas(inotify_event) char events[4096];
        for (ssize_t got; (got = read(watch_, events, sizeof events)) > 0;)
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                if (event->len > 0 && QByteArray(event->name) == "vemlo.ini")
                    ++count;
                at += ssize_t(sizeof(inotify_event)) + event->len;
            }
        return count;
    }

private:
    int watch_;
};

// Plays one game to its end through the picture buttons, with moves
// drawn from a fixed seed, so that the same seed plays the same game again.
void playToTheEnd(TForm1& form, uint32_t seed)
{
    std::mt19937 moves(seed);
    const char* const steering[] = {"Image1", "Image2", "Image3"};
    while (!gameOf(form).GameOver()) {
        for (int i = moves() % 4; i > 0; --i)
            click(form, steering[moves() % 3]);
        click(form, "Image4");
        fly(form);
    }
}

} // namespace

class FlowTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartWithoutAFile();
    void savedOptionsApplyWithoutAQuestion_data();
    void savedOptionsApplyWithoutAQuestion();
    void newGameAsksFirst_data();
    void newGameAsksFirst();
    void newGameLeavesTheNameEntryOpen();
    void difficultyClick_data();
    void difficultyClick();
    void backgroundChoiceIsSavedOnceAndRepainted();
    void optionsAndHighScoresFreezeAFlightThatLaunchResumes();
    void helpBoxLetsTheFlightGoOn();
    void wholeGames();
    void typedNameIsEnteredAsTyped_data();
    void typedNameIsEnteredAsTyped();
    void nameEntryEntersEveryGameThatEndedWhileItWasOpen_data();
    void nameEntryEntersEveryGameThatEndedWhileItWasOpen();
    void failedWriteAtStartUpStillOpensTheGame();
    void failedNameEntryLosesNothingAndCanBeConfirmedAgain();
    void failedOptionSaveKeepsWhatWasInForce();
};

void FlowTest::firstStartWithoutAFile()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    QVERIFY(window.boxes.empty());
    QCOMPARE(gameOf(form).KindCount(), 7);
    QCOMPARE(findControl<QLabel>(form, "blockslbl")->text(), QStringLiteral("Medium"));
    QCOMPARE(findControl<QLabel>(form, "Label1")->text(), QStringLiteral("0"));
    QCOMPARE(findControl<ui::ClientArea>(form, "client")->background(), 0);
    QCOMPARE(findControl<QLineEdit>(form, "Playersname")->text(), QStringLiteral("Anonymous"));
    QVERIFY(!findControl<QWidget>(form, "Panel1")->isVisibleTo(&form) && !findControl<QWidget>(form, "Scorepanel")->isVisibleTo(&form) && !findControl<QWidget>(form, "overpanel")->isVisibleTo(&form));
    QVERIFY(!pieceInFlight(form) && !gameOf(form).GameOver());
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(scoreLabel(form, "name", k)->text(), QStringLiteral("Bobby"));
        QCOMPARE(scoreLabel(form, "level", k)->text(), QStringLiteral("Easy"));
        QCOMPARE(scoreLabel(form, "score", k)->text(), QString::number(100 - 10 * k));
    }
    const QByteArray file = readAll(window.settingsFile());
    QCOMPARE(valueIn(file, "Settings", "Background"), QStringLiteral("0"));
    QCOMPARE(valueIn(file, "Settings", "Blocks"), QStringLiteral("<absent>"));
}

void FlowTest::savedOptionsApplyWithoutAQuestion_data()
{
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<int>("kindCount");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<int>("background");
    QTest::addColumn<QString>("blocksWritten");
    QTest::newRow("Wicked") << QByteArray("[Settings]\nBlocks=9\n") << 9 << "Wicked" << 0 << "9";
    QTest::newRow("Medium is not written back") << QByteArray("[Settings]\nBlocks=7\nBackground=3\n") << 7 << "Medium" << 3 << "7";
    QTest::newRow("Easy") << QByteArray("[Settings]\nBlocks=6\n") << 6 << "Easy" << 0 << "6";
    QTest::newRow("out of range, held in") << QByteArray("[Settings]\nBlocks=12\nBackground=-4\n") << 9 << "Wicked" << 0 << "9";
    QTest::newRow("too low, held in") << QByteArray("[Settings]\nBlocks=2\nBackground=99\n") << 6 << "Easy" << 4 << "6";
}

void FlowTest::savedOptionsApplyWithoutAQuestion()
{
    QFETCH(QByteArray, saved);
    QFETCH(int, kindCount);
    QFETCH(QString, levelName);
    QFETCH(int, background);
    QFETCH(QString, blocksWritten);
    WindowUnderTest window(3, saved);
    TForm1& form = *window.form;
    QVERIFY(window.boxes.empty());
    QCOMPARE(gameOf(form).KindCount(), kindCount);
    QCOMPARE(findControl<QLabel>(form, "blockslbl")->text(), levelName);
    QCOMPARE(findControl<ui::RadioGroup>(form, "Blocksgroup")->itemIndex(), kindCount - 6);
    QCOMPARE(findControl<ui::ClientArea>(form, "client")->background(), background);
    QCOMPARE(findControl<ui::RadioGroup>(form, "backchoice")->itemIndex(), background);
    QVERIFY(!gameOf(form).GameOver() && !pieceInFlight(form));
    QCOMPARE(findControl<QLabel>(form, "Label1")->text(), QStringLiteral("0"));
    const QByteArray file = readAll(window.settingsFile());
    QCOMPARE(valueIn(file, "Settings", "Blocks"), blocksWritten);
    QCOMPARE(valueIn(file, "Settings", "Background"), QString::number(background));
}

void FlowTest::newGameAsksFirst_data()
{
    QTest::addColumn<bool>("inFlight");
    QTest::addColumn<bool>("yes");
    QTest::newRow("waiting, No") << false << false;
    QTest::newRow("waiting, Yes") << false << true;
    QTest::newRow("in flight, No") << true << false;
    QTest::newRow("in flight, Yes") << true << true;
}

void FlowTest::newGameAsksFirst()
{
    QFETCH(bool, inFlight);
    QFETCH(bool, yes);
    WindowUnderTest window;
    TForm1& form = *window.form;
    click(form, "Image1");
    if (inFlight) {
        click(form, "Image4");
        WindowAccess::tick(form);
    }
    const Board before = gameOf(form).Board();
    window.answer = yes ? BoxAnswer::Yes : BoxAnswer::No;
    choose(form, "NewGame1");
    QCOMPARE(window.boxes.size(), size_t(1));
    QCOMPARE(window.boxes[0].text, QStringLiteral("Are you sure?"));
    QCOMPARE(window.boxes[0].caption, QStringLiteral("New game"));
    QVERIFY(window.boxes[0].buttons == BoxButtons::YesNo);
    if (yes) {
        QCOMPARE(gameOf(form).Piece()[0].column, 14);
        QCOMPARE(gameOf(form).Piece()[0].row, LaunchRow);
        QVERIFY2(!pieceInFlight(form), "a new game waits for its first launch");
    } else {
        QVERIFY(gameOf(form).Board() == before);
        QCOMPARE(pieceInFlight(form), inFlight);
    }
}

void FlowTest::newGameLeavesTheNameEntryOpen()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    findControl<QWidget>(form, "overpanel")->show();
    choose(form, "NewGame1");
    QVERIFY(findControl<QWidget>(form, "overpanel")->isVisibleTo(&form));
    QVERIFY(!gameOf(form).GameOver());
}

void FlowTest::difficultyClick_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("changes");
    QTest::newRow("waiting, Yes") << "waiting" << true << true << true;
    QTest::newRow("waiting, No") << "waiting" << false << true << false;
    QTest::newRow("in flight, Yes") << "flight" << true << true << true;
    QTest::newRow("in flight, No") << "flight" << false << true << false;
    QTest::newRow("ended, no question") << "ended" << false << false << true;
}

void FlowTest::difficultyClick()
{
    QFETCH(QString, state);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(bool, changes);
    WindowUnderTest window;
    TForm1& form = *window.form;
    choose(form, "Options1");
    if (state == "flight") {
        click(form, "Image4");
        WindowAccess::tick(form);
    } else if (state == "ended") {
        playToTheEnd(form, 5);
        window.boxes.clear();
    }
    const QByteArray fileBefore = readAll(window.settingsFile());
    const Board boardBefore = gameOf(form).Board();
    window.answer = yes ? BoxAnswer::Yes : BoxAnswer::No;

    findControl<ui::RadioGroup>(form, "Blocksgroup")->setItemIndex(3);

    QCOMPARE(window.boxes.size(), size_t(asked ? 1 : 0));
    if (asked) {
        QCOMPARE(window.boxes[0].text, QStringLiteral("This will start a new game. Go ahead?"));
        QCOMPARE(window.boxes[0].caption, QStringLiteral("Levels"));
    }
    if (changes) {
        QCOMPARE(gameOf(form).KindCount(), 9);
        QCOMPARE(findControl<QLabel>(form, "blockslbl")->text(), QStringLiteral("Wicked"));
        QCOMPARE(valueIn(readAll(window.settingsFile()), "Settings", "Blocks"), QStringLiteral("9"));
        QVERIFY(!findControl<QWidget>(form, "Panel1")->isVisibleTo(&form));
        QVERIFY(!gameOf(form).GameOver() && !pieceInFlight(form));
        QCOMPARE(gameOf(form).Piece()[0].column, 14);
    } else {
        QCOMPARE(gameOf(form).KindCount(), 7);
        QCOMPARE(findControl<QLabel>(form, "blockslbl")->text(), QStringLiteral("Medium"));
        QCOMPARE(findControl<ui::RadioGroup>(form, "Blocksgroup")->itemIndex(), 1);
        QCOMPARE(readAll(window.settingsFile()), fileBefore);
        QVERIFY(gameOf(form).Board() == boardBefore);
        QVERIFY(findControl<QWidget>(form, "Panel1")->isVisibleTo(&form));
    }
}

void FlowTest::backgroundChoiceIsSavedOnceAndRepainted()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    choose(form, "Options1");
    findControl<ui::RadioGroup>(form, "backchoice")->setItemIndex(2);
    QCOMPARE(findControl<ui::ClientArea>(form, "client")->background(), 2);
    QCOMPARE(valueIn(readAll(window.settingsFile()), "Settings", "Background"), QStringLiteral("2"));
    const QImage shot = findControl<ui::ClientArea>(form, "client")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage tile = form.pictures().background(2).toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(1, 1), QPoint(65, 200), QPoint(900, 600), QPoint(918, 639)})
        QCOMPARE(shot.pixel(at), tile.pixel(at.x() % 190, at.y() % 190));
    QVERIFY(findControl<QWidget>(form, "Panel1")->isVisibleTo(&form));

    QVERIFY(QFile::remove(window.settingsFile()));
    findControl<ui::RadioGroup>(form, "backchoice")->setItemIndex(2);
    QVERIFY2(!QFile::exists(window.settingsFile()), "choosing the background in force writes nothing");
}

void FlowTest::optionsAndHighScoresFreezeAFlightThatLaunchResumes()
{
    for (const QString freeze : {"Options1", "HighScores1"}) {
        WindowUnderTest window;
        TForm1& form = *window.form;
        click(form, "Image4");
        WindowAccess::tick(form);
        WindowAccess::tick(form);
        choose(form, freeze);
        QVERIFY(!pieceInFlight(form));
        QCOMPARE(gameOf(form).Piece()[1].row, LaunchRow + 2);
        QCOMPARE(findControl<QWidget>(form, "Panel1")->isVisibleTo(&form), freeze == "Options1");
        QCOMPARE(findControl<QWidget>(form, "Scorepanel")->isVisibleTo(&form), freeze == "HighScores1");
        click(form, "dxButton1");
        click(form, "dxButton2");
        QVERIFY(!pieceInFlight(form));
        click(form, "Image4");
        QVERIFY(pieceInFlight(form));
        WindowAccess::tick(form);
        QCOMPARE(gameOf(form).Piece()[1].row, LaunchRow + 3);
    }
}

void FlowTest::helpBoxLetsTheFlightGoOn()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    click(form, "Image4");
    int rowWhileOpen = LaunchRow;
    QElapsedTimer open;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        rowWhileOpen = gameOf(form).Piece()[1].row;
        if (rowWhileOpen >= LaunchRow + 3 || open.hasExpired(10000))
            window.about()->accept();
    });
    QTimer::singleShot(0, [&] {
        open.start();
        watcher.start(5);
    });
    choose(form, "About1");
    QVERIFY2(rowWhileOpen >= LaunchRow + 3, "the piece rises behind the open box");
}

void FlowTest::wholeGames()
{
    int32_t finalScore = 0;
    {
        WindowUnderTest first(11);
        playToTheEnd(*first.form, 21);
        finalScore = gameOf(*first.form).Score();
        QCOMPARE(findControl<QLabel>(*first.form, "Label1")->text(), QString::number(finalScore));
    }
    QVERIFY2(finalScore > 0, "the seeded game should clear lines");
    for (const int32_t line10 : {finalScore, finalScore - 1}) {
        WindowUnderTest window(11, tableWithLine10(line10));
        window.answer = BoxAnswer::Ok;
        TForm1& form = *window.form;
        playToTheEnd(form, 21);
        QCOMPARE(gameOf(form).Score(), finalScore);
        const bool qualifies = line10 < finalScore;
        QCOMPARE(findControl<QWidget>(form, "overpanel")->isVisibleTo(&form), qualifies);
        if (!qualifies) {
            QCOMPARE(window.boxes.size(), size_t(1));
            QCOMPARE(window.boxes[0].text, QStringLiteral("Game over"));
            QCOMPARE(window.boxes[0].caption, QStringLiteral("Game"));
            QVERIFY(window.boxes[0].buttons == BoxButtons::Ok);
            continue;
        }
        QVERIFY(window.boxes.empty());
        findControl<QLineEdit>(form, "Playersname")->setText(QStringLiteral("Ada"));
        QTest::mouseClick(findControl<QWidget>(form, "dxButton3"), Qt::LeftButton);
        QVERIFY(!findControl<QWidget>(form, "overpanel")->isVisibleTo(&form));
        QVERIFY(findControl<QWidget>(form, "Scorepanel")->isVisibleTo(&form));
        QCOMPARE(scoreLabel(form, "name", 9)->text(), QStringLiteral("Ada"));
        QCOMPARE(scoreLabel(form, "score", 9)->text(), QString::number(finalScore));
        QCOMPARE(scoreLabel(form, "level", 9)->text(), QStringLiteral("Medium"));
        QCOMPARE(WindowAccess::scoreTableOf(form)[9].score, finalScore);
        const QByteArray file = readAll(window.settingsFile());
        for (int k = 1; k <= 10; ++k)
            for (const char* key : {"Name", "Level", "Score"})
                QVERIFY(valueIn(file, QStringLiteral("Scoreline%1").arg(k), key) != QStringLiteral("<absent>"));
        QCOMPARE(valueIn(file, "Scoreline10", "Name"), QStringLiteral("Ada"));
        QCOMPARE(valueIn(file, "Settings", "Name"), QStringLiteral("Ada"));
        QVERIFY(gameOf(form).GameOver());
    }
}

void FlowTest::typedNameIsEnteredAsTyped_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("entered");
    const QString emoji = QStringLiteral("\U0001F600");
    const QString accented = QStringLiteral("e\u0301");
    QTest::newRow("empty") << QStringList() << QString();
    QTest::newRow("12 letters, a 13th refused") << QStringList{"abcdefghijklm"} << "abcdefghijkl";
    QTest::newRow("11 letters and an emoji") << QStringList{"abcdefghijk", emoji, "x"} << "abcdefghijk" + emoji;
    QTest::newRow("12 emoji, a 13th refused") << QStringList(13, emoji) << emoji.repeated(12);
    // A letter and its combining accent are one character, as the player
    // sees them.
    QTest::newRow("combining sequences") << QStringList(13, accented) << accented.repeated(12);
    // Longer in code points than a table line shows of a name from the file.
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    QTest::newRow("12 families of three") << QStringList(12, family) << family.repeated(12);
    // Twelve characters in all, but more code points than the file keeps of
    // a value: the input method's commit is refused whole.
    const QString heavy = QStringLiteral("e") + QString(204, QChar(0x0301));
    QTest::newRow("more than the file keeps refused") << QStringList{"ab", heavy.repeated(10)} << "ab";
    QTest::newRow("half a pair refused") << QStringList{"ab", emoji.left(1), "c"} << "abc";
}

// Letters come as keys, anything else as an input method commits it; the
// name then reads back exactly after a restart.
void FlowTest::typedNameIsEnteredAsTyped()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, entered);
    WindowUnderTest window(1, tableWithLine10(-5));
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    WindowAccess::endGame(form);
    QTest::mouseClick(findControl<QLineEdit>(form, "Playersname"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), findControl<QLineEdit>(form, "Playersname"));
    window.press(Qt::Key_A, Qt::ControlModifier);
    window.press(Qt::Key_Delete);
    for (const QString& piece : typed) {
        if (std::all_of(piece.begin(), piece.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            window.type(piece);
            continue;
        }
        QInputMethodEvent commit;
        commit.setCommitString(piece);
        QApplication::sendEvent(QApplication::focusWidget(), &commit);
    }
    QCOMPARE(findControl<QLineEdit>(form, "Playersname")->text(), entered);
    QTest::mouseClick(findControl<QWidget>(form, "dxButton3"), Qt::LeftButton);
    QCOMPARE(scoreLabel(form, "name", 9)->text(), entered);
    const QByteArray file = readAll(window.settingsFile());
    QCOMPARE(valueIn(file, "Scoreline10", "Name"), entered);
    QCOMPARE(valueIn(file, "Settings", "Name"), entered);

    WindowUnderTest restarted(1, file);
    QCOMPARE(findControl<QLineEdit>(*restarted.form, "Playersname")->text(), entered);
    QCOMPARE(scoreLabel(*restarted.form, "name", 9)->text(), entered);
}

void FlowTest::nameEntryEntersEveryGameThatEndedWhileItWasOpen_data()
{
    QTest::addColumn<bool>("otherCopyFillsTheTable");
    QTest::addColumn<int>("saves");
    QTest::newRow("both games enter in one save") << false << 1;
    QTest::newRow("another copy pushed both off") << true << 0;
}

// The player leaves the name entry open, starts a new game, changes the
// difficulty and plays that game to its end too, then confirms the name.
void FlowTest::nameEntryEntersEveryGameThatEndedWhileItWasOpen()
{
    QFETCH(bool, otherCopyFillsTheTable);
    QFETCH(int, saves);
    const QByteArray settings = "[Settings]\nName=Ada\n";
    WindowUnderTest window(11, scoreTableFile([](int line) { return -line; }) + settings);
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    window.playToTheEndWithKeys(21);
    const int32_t first = gameOf(form).Score();
    QVERIFY(first > 0 && findControl<QWidget>(form, "overpanel")->isVisible());
    window.chooseMenu(findControl<QAction>(form, "NewGame1"));
    window.chooseMenu(findControl<QAction>(form, "Options1"));
    window.clickItem(findControl<ui::RadioGroup>(form, "Blocksgroup"), QStringLiteral("Wicked"));
    QCOMPARE(window.boxes.size(), size_t(2));
    QCOMPARE(gameOf(form).KindCount(), 9);
    playToTheEnd(form, 4);
    const int32_t second = gameOf(form).Score();
    QCOMPARE(window.boxes.size(), size_t(2));
    if (otherCopyFillsTheTable)
        QVERIFY(writeAll(window.settingsFile(), tableWithLine10(1000) + settings));

    SaveCounter counter(QFileInfo(window.settingsFile()).path());
    QTest::mouseClick(findControl<QLineEdit>(form, "Playersname"), Qt::LeftButton);
    window.press(Qt::Key_Return);
    QCOMPARE(counter.saves(), saves);
    QVERIFY(!findControl<QWidget>(form, "overpanel")->isVisible());
    QStringList shown;
    for (int k = 0; k < 10; ++k)
        if (scoreLabel(form, "name", k)->text() == QStringLiteral("Ada"))
            shown << scoreLabel(form, "score", k)->text() + ' ' + scoreLabel(form, "level", k)->text();
    QStringList expected{QString::number(first) + " Medium", QString::number(second) + " Wicked"};
    if (second > first)
        expected.swapItemsAt(0, 1);
    if (otherCopyFillsTheTable) {
        QCOMPARE(shown, QStringList());
        QCOMPARE(window.boxes.size(), size_t(3));
        QCOMPARE(window.boxes[2].text, QStringLiteral("That result no longer reaches the ten best."));
        QCOMPARE(window.boxes[2].caption, QStringLiteral("Game"));
        QVERIFY(window.boxes[2].buttons == BoxButtons::Ok);
        QCOMPARE(WindowAccess::scoreTableOf(form)[9].score, 1000);
        return;
    }
    QCOMPARE(shown, expected);
    QCOMPARE(window.boxes.size(), size_t(2));
    const QByteArray file = readAll(window.settingsFile());
    const int k = expected[0].startsWith(QString::number(first) + ' ') ? 1 : 2;
    QCOMPARE(valueIn(file, QStringLiteral("Scoreline%1").arg(k), "Score"), QString::number(first));
    QCOMPARE(valueIn(file, QStringLiteral("Scoreline%1").arg(k), "Level"), QStringLiteral("7"));
}

void FlowTest::failedWriteAtStartUpStillOpensTheGame()
{
    QTemporaryDir config;
    QVERIFY(writeAll(config.path() + "/quorvel", "not a folder"));
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // The start-up write-back fails before a test can answer, so the box is
    // caught through the standard one.
    auto catcher = std::make_unique<StandardBoxCatcher>(50);
    TForm1 form(std::make_unique<FixedSeedRandom>(3));
    const std::vector<QString> errors = catcher->texts;
    catcher.reset();
    QCOMPARE(errors, std::vector<QString>{QStringLiteral("Unable to write to vemlo.ini")});
    QVERIFY(!gameOf(form).GameOver());
    click(form, "Image1");
    QCOMPARE(gameOf(form).Piece()[0].column, 13);
}

void FlowTest::failedNameEntryLosesNothingAndCanBeConfirmedAgain()
{
    WindowUnderTest window(1, tableWithLine10(-5));
    TForm1& form = *window.form;
    findControl<QLineEdit>(form, "Playersname")->setText(QStringLiteral("Grace"));
    WindowAccess::endGame(form);
    const QByteArray before = readAll(window.settingsFile());
    const auto tableBefore = WindowAccess::scoreTableOf(form);
    const QString folder = window.config.path() + "/quorvel";
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(writeAll(folder, "in the way"));

    QTest::mouseClick(findControl<QWidget>(form, "dxButton3"), Qt::LeftButton);
    QCOMPARE(window.boxes.size(), size_t(1));
    QCOMPARE(window.boxes[0].text, QStringLiteral("Unable to write to vemlo.ini"));
    QVERIFY(window.boxes[0].buttons == BoxButtons::ErrorOk);
    QVERIFY(findControl<QWidget>(form, "overpanel")->isVisibleTo(&form));
    QVERIFY(WindowAccess::scoreTableOf(form) == tableBefore);
    QCOMPARE(scoreLabel(form, "name", 9)->text(), QStringLiteral("P10"));

    QVERIFY(QFile::remove(folder));
    QVERIFY(writeAll(window.settingsFile(), before));
    QTest::mouseClick(findControl<QWidget>(form, "dxButton3"), Qt::LeftButton);
    QCOMPARE(window.boxes.size(), size_t(1));
    QVERIFY(!findControl<QWidget>(form, "overpanel")->isVisibleTo(&form));
    QCOMPARE(scoreLabel(form, "name", 9)->text(), QStringLiteral("Grace"));
    QCOMPARE(valueIn(readAll(window.settingsFile()), "Settings", "Name"), QStringLiteral("Grace"));
}

void FlowTest::failedOptionSaveKeepsWhatWasInForce()
{
    WindowUnderTest window;
    TForm1& form = *window.form;
    choose(form, "Options1");
    click(form, "Image2");
    const Board board = gameOf(form).Board();
    QVERIFY(QFile::remove(window.settingsFile()));
    QVERIFY(QDir().mkpath(window.settingsFile()));

    findControl<ui::RadioGroup>(form, "Blocksgroup")->setItemIndex(2);
    findControl<ui::RadioGroup>(form, "backchoice")->setItemIndex(3);

    QCOMPARE(window.boxes.size(), size_t(3));
    QCOMPARE(window.boxes[1].text, QStringLiteral("Unable to write to vemlo.ini"));
    QCOMPARE(window.boxes[2].text, QStringLiteral("Unable to write to vemlo.ini"));
    QVERIFY2(!gameOf(form).GameOver(), "the running game goes on");
    QVERIFY(gameOf(form).Board() == board);
    QCOMPARE(gameOf(form).KindCount(), 7);
    QCOMPARE(findControl<QLabel>(form, "blockslbl")->text(), QStringLiteral("Medium"));
    QCOMPARE(findControl<ui::RadioGroup>(form, "Blocksgroup")->itemIndex(), 1);
    QCOMPARE(findControl<ui::ClientArea>(form, "client")->background(), 0);
    QCOMPARE(findControl<ui::RadioGroup>(form, "backchoice")->itemIndex(), 0);
}

QTEST_MAIN(FlowTest)
#include "FlowTest.moc"
