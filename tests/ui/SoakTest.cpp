#include "WindowAccess.h"
#include "ClientArea.h"
#include "DxButton.h"
#include "PictureControl.h"
#include "WindowUnderTest.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <algorithm>
#include <deque>
#include <functional>
#include <random>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;
using quorvel::testing::tableWithLine10;
using quorvel::testing::WindowUnderTest;

namespace {

constexpr qint64 SoakMilliseconds = 60000;
constexpr int RecentEventsShown = 25;
constexpr int ModalPollMilliseconds = 5;
constexpr int TickWaitMilliseconds = 1000;
constexpr int MostTicksBetweenEvents = 5;
// Longer than the name box takes, so that its limit is tried too.
constexpr int LongestName = 16;

// The game's own keys and their keypad twins, the launch keys most often so
// that games reach their end, among keys that mean something to the controls
// or the menu bar or to nothing at all.
const Qt::Key Keys[] = {
    Qt::Key_Left,  Qt::Key_Right, Qt::Key_Down,   Qt::Key_4,         Qt::Key_5,      Qt::Key_6,    Qt::Key_Up,
    Qt::Key_Up,    Qt::Key_Up,    Qt::Key_Up,     Qt::Key_Space,     Qt::Key_Space,  Qt::Key_Space, Qt::Key_Space,
    Qt::Key_Left,  Qt::Key_Right, Qt::Key_Down,   Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,
    Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,  Qt::Key_A,    Qt::Key_N,
    Qt::Key_Z,     Qt::Key_F1,    Qt::Key_F10,    Qt::Key_Alt,
};

const Qt::KeyboardModifiers Modifiers[] = {
    Qt::NoModifier,      Qt::NoModifier,      Qt::NoModifier,   Qt::NoModifier,
    Qt::KeypadModifier,  Qt::KeypadModifier,  Qt::ShiftModifier, Qt::ControlModifier,
    Qt::AltModifier,     Qt::ShiftModifier | Qt::ControlModifier, Qt::ControlModifier | Qt::AltModifier,
};

// Characters a name might hold, the file's own punctuation among them.
const QString NameCharacters = QStringLiteral("AbcXyz019 _-.=[];#\"'\\/%éßñ日本");

template <typename T, size_t N>
const T& pick(std::mt19937& random, const T (&items)[N])
{
    return items[random() % N];
}

// Only the kinds of the difficulty in force in the play area, nothing but
// Empty and Floor round it, and the Floor row under the well whole.
QString boardProblem(const Game& game)
{
    const Board& board = game.Board();
    for (int c = 0; c < GridSize; ++c) {
        for (int r = 0; r < GridSize; ++r) {
            const int32_t cell = board[c][r];
            const bool allowed = InPlayArea(c, r) ? cell >= Empty && cell <= game.KindCount() : cell == Empty || cell == Floor;
            if (!allowed)
                return QStringLiteral("cell %1,%2 holds %3 at difficulty %4").arg(c).arg(r).arg(cell).arg(game.KindCount());
        }
    }
    for (int c = FirstColumn; c <= LastColumn; ++c)
        if (board[c][FloorRow] != Floor)
            return QStringLiteral("the Floor row is broken at column %1").arg(c);
    return {};
}

// A game that has just begun: no score, and only its first piece in the well,
// waiting in the launch row.
bool freshGame(const Game& game)
{
    if (game.Score() != 0 || game.GameOver())
        return false;
    for (int c = FirstColumn; c <= LastColumn; ++c)
        for (int r = LaunchRow; r <= TopRow; ++r) {
            const bool pieceCell = r == LaunchRow && c >= SpawnColumn && c < SpawnColumn + 3;
            if ((game.Board()[c][r] != Empty) != pieceCell)
                return false;
        }
    return true;
}

QString keyName(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return QKeySequence(key | modifiers).toString();
}

} // namespace

// Stands in for the desktop's browser and mail program, should a link of the
// help box be followed.
class LinkCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

// Random events through the real window, as a player's hands would make
// them, with a check of the game after each of them and after every tick.
// Any game that scores at all earns a place in the table it starts with, so
// that names are entered often.
class Soak {
public:
    explicit Soak(uint32_t seed) : window(seed, tableWithLine10(0)), form(*window.form), random_(seed), seed_(seed)
    {
        WindowAccess::answerBoxes(form, [this](const QString& text, const QString&, BoxButtons buttons) { return answer(text, buttons); });
        QObject::connect(findControl<QTimer>(form, "Timer1"), &QTimer::timeout, [this] {
            ++ticks_;
            check(QStringLiteral("a tick"));
        });
        QObject::connect(&modalAnswerer_, &QTimer::timeout, [this] { answerOpenDialog(); });
        modalAnswerer_.start(ModalPollMilliseconds);
    }

    // Runs until the time is up or something is wrong; returns what was wrong.
    QString run()
    {
        form.show();
        if (!QTest::qWaitForWindowActive(&form))
            return QStringLiteral("the window never became active");
        QElapsedTimer clock;
        clock.start();
        while (problem_.isEmpty() && !clock.hasExpired(SoakMilliseconds)) {
            step();
            ++events_;
            letTheTimerTick();
        }
        if (problem_.isEmpty())
            return {};
        QString report = QStringLiteral("%1\nseed %2, after %3 events; the last ones:").arg(problem_).arg(seed_).arg(events_);
        for (const QString& event : recent_)
            report += QStringLiteral("\n  ") + event;
        return report;
    }

    int events() const { return events_; }

private:
    // A player who sees the name box fills it in before long.
    void step()
    {
        if (findControl<QLineEdit>(form, "Playersname")->isVisible() && random_() % 4 == 0)
            return enterName();
        const int roll = static_cast<int>(random_() % 100);
        if (roll < 55)
            pressKey();
        else if (roll < 78)
            clickPicture();
        else if (roll < 84)
            chooseMenuCommand();
        else
            clickControl();
    }

    // Every single key or click comes this way, and the game is checked once
    // it has been handled.
    void perform(const QString& event, const std::function<void()>& send)
    {
        log(event);
        send();
        QCoreApplication::processEvents();
        check(event);
    }

    // Keys go to the window that has the focus, which hands them to its
    // focused control.
    void sendKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        perform(QStringLiteral("key %1").arg(keyName(key, modifiers)), [&] { QTest::keyClick(form.windowHandle(), key, modifiers); });
    }

    void pressKey() { sendKey(pick(random_, Keys), pick(random_, Modifiers)); }

    void clickPicture()
    {
        std::vector<QWidget*> pictures{findControl<ui::ClientArea>(form, "client")};
        for (QWidget* widget : findControl<ui::ClientArea>(form, "client")->findChildren<QWidget*>())
            if (dynamic_cast<PictureControl*>(widget) && widget->isVisible())
                pictures.push_back(widget);
        clickInside(pictures[random_() % pictures.size()]);
    }

    void chooseMenuCommand()
    {
        QMenuBar* bar = form.menuBar();
        const QList<QAction*> commands = bar->actions();
        QAction* command = commands[random_() % commands.size()];
        perform(QStringLiteral("menu %1").arg(command->text()),
           [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(command).center()); });
    }

    // Any button, option or text box the player can see.
    void clickControl()
    {
        std::vector<QWidget*> controls;
        for (QWidget* control : form.findChildren<QWidget*>())
            if (control->isVisible() && (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)))
                controls.push_back(control);
        if (controls.empty())
            return pressKey();
        clickInside(controls[random_() % controls.size()]);
    }

    // Clicks the name box, replaces its text with a random name and confirms
    // it with Enter or the button, as far as the box is there to take it.
    void enterName()
    {
        clickInside(findControl<QLineEdit>(form, "Playersname"));
        sendKey(Qt::Key_A, Qt::ControlModifier);
        const int length = static_cast<int>(random_() % (LongestName + 1));
        for (int i = 0; i < length; ++i) {
            const QString character = NameCharacters[random_() % NameCharacters.size()];
            perform(QStringLiteral("type %1").arg(character), [&] {
                QTest::sendKeyEvent(QTest::Click, form.windowHandle(), Qt::Key_unknown, character, Qt::NoModifier);
            });
        }
        if (random_() % 2 == 0)
            sendKey(Qt::Key_Return);
        else if (findControl<QWidget>(form, "dxButton3")->isVisible())
            clickInside(findControl<QWidget>(form, "dxButton3"));
    }

    void clickInside(QWidget* target)
    {
        const QPoint at(static_cast<int>(random_() % std::max(target->width(), 1)),
                        static_cast<int>(random_() % std::max(target->height(), 1)));
        const QString name = target->objectName().isEmpty() ? target->metaObject()->className() : target->objectName();
        perform(QStringLiteral("click %1 at %2,%3").arg(name).arg(at.x()).arg(at.y()),
           [&] { QTest::mouseClick(target, Qt::LeftButton, {}, at); });
    }

    // A flight goes on for a few ticks between two events, now and then to
    // its end.
    void letTheTimerTick()
    {
        if (!pieceInFlight(form))
            return;
        const int target = ticks_ + static_cast<int>(random_() % (MostTicksBetweenEvents + 1));
        if (!QTest::qWaitFor([&] { return ticks_ >= target || !pieceInFlight(form) || !problem_.isEmpty(); },
                             TickWaitMilliseconds))
            log(QStringLiteral("no tick for %1 ms").arg(TickWaitMilliseconds));
    }

    BoxAnswer answer(const QString& text, BoxButtons buttons)
    {
        if (buttons == BoxButtons::ErrorOk)
            fail(QStringLiteral("error box \"%1\" with a writable settings folder").arg(text));
        // Mostly No, so that games last to their end.
        const BoxAnswer answer =
            buttons != BoxButtons::YesNo ? BoxAnswer::Ok : random_() % 4 == 0 ? BoxAnswer::Yes : BoxAnswer::No;
        log(QStringLiteral("box \"%1\" answered %2").arg(text, answer == BoxAnswer::Yes ? "Yes" : answer == BoxAnswer::No ? "No" : "Ok"));
        return answer;
    }

    // The help box and any pop-up menu run loops of their own; the player
    // tries Escape, which only a message box heeds, or clicks a button.
    void answerOpenDialog()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            perform(QStringLiteral("close pop-up %1").arg(popup->metaObject()->className()), [&] { popup->close(); });
            return;
        }
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->windowHandle())
            return;
        const QList<QAbstractButton*> buttons = dialog->findChildren<QAbstractButton*>();
        if (buttons.isEmpty() || random_() % 2 == 0) {
            perform(QStringLiteral("key Escape in %1").arg(dialog->objectName()),
               [&] { QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape); });
        } else {
            clickInside(buttons[random_() % buttons.size()]);
        }
    }

    void check(const QString& after)
    {
        if (!problem_.isEmpty())
            return;
        const Game& game = gameOf(form);
        if (const QString board = boardProblem(game); !board.isEmpty())
            return fail(board + QStringLiteral(" after ") + after);
        if (game.Score() < lastScore_ && !freshGame(game))
            return fail(QStringLiteral("the score fell from %1 to %2 after %3").arg(lastScore_).arg(game.Score()).arg(after));
        lastScore_ = game.Score();
        if (findControl<QLabel>(form, "Label1")->text() != QString::number(game.Score()))
            fail(QStringLiteral("the score %1 shows as \"%2\" after %3").arg(game.Score()).arg(findControl<QLabel>(form, "Label1")->text(), after));
    }

    void fail(const QString& problem)
    {
        if (problem_.isEmpty())
            problem_ = problem;
    }

    void log(const QString& event)
    {
        recent_.push_back(event);
        if (recent_.size() > RecentEventsShown)
            recent_.pop_front();
    }

    WindowUnderTest window;
    TForm1& form;
    std::mt19937 random_;
    uint32_t seed_;
    QTimer modalAnswerer_;
    std::deque<QString> recent_{QStringLiteral("start")};
    QString problem_;
    int32_t lastScore_ = 0;
    int ticks_ = 0;
    int events_ = 0;
};

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsTheGameWhole();
};

// A new seed every run; QUORVEL_SOAK_SEED replays one that failed.
void SoakTest::randomPlayKeepsTheGameWhole()
{
    bool given = false;
    const uint32_t seed = qgetenv("QUORVEL_SOAK_SEED").toUInt(&given);
    const uint32_t used = given ? seed : std::random_device()();
    qInfo("soak seed %u", used);
    LinkCatcher links;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &links, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &links, "open");
    Soak soak(used);
    const QString problem = soak.run();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY2(soak.events() > 0, "no event was sent");
}

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
