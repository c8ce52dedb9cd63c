// Starts the game's window on the settings file of XDG_CONFIG_HOME, does one
// thing with it as a player would (or as a second copy of the game would),
// and prints what the window then shows and every message it gave, one
// "what value" line each.
#include "FileSizeLimit.h"
#include "HighScores.h"
#include "OverlayPanel.h"
#include "RadioGroup.h"
#include "Settings.h"
#include "StandardBoxCatcher.h"
#include "Unit1.h"
#include "WindowAccess.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTextStream>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <vector>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;

namespace {

constexpr int CloseBoxesEveryMs = 20;
constexpr int LongestFlightMs = 5000;
constexpr int MostLaunches = 200;

void clickMenu(TForm1& form, QAction* item)
{
    QTest::mouseClick(form.menuBar(), Qt::LeftButton, {}, form.menuBar()->actionGeometry(item).center());
}

// On the round mark itself, since the item's row is wider than its text.
void clickItem(RadioGroup* group, const QString& text)
{
    for (QRadioButton* item : group->findChildren<QRadioButton*>())
        if (item->text() == text)
            QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(item->height() / 2, item->height() / 2));
}

// Launches piece after piece until the game ends and the name entry opens.
void playToTheEnd(TForm1& form)
{
    for (int launch = 0; launch < MostLaunches && !findControl<QWidget>(form, "overpanel")->isVisible(); ++launch) {
        QTest::keyClick(form.windowHandle(), Qt::Key_Up);
        if (!QTest::qWaitFor([&] { return !pieceInFlight(form); }, LongestFlightMs))
            return;
    }
}

void enterName(TForm1& form, const QString& name)
{
    QTest::mouseClick(findControl<QLineEdit>(form, "Playersname"), Qt::LeftButton);
    QTest::keyClick(form.windowHandle(), Qt::Key_A, Qt::ControlModifier);
    for (const QChar letter : name)
        QTest::keyClick(form.windowHandle(), letter.toLatin1());
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
}

// What a second copy of the game, started with the same file, does when its
// own game ends first.
void enterResultAsAnotherCopy()
{
    persist::ScoreTable table = persist::readStartup().table;
    persist::InsertResult(table, QStringLiteral("Other"), 8, 5000);
}

void act(TForm1& form, const QString& action)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the window never showed");
    if (action == QLatin1String("background") || action == QLatin1String("difficulty")) {
        clickMenu(form, findControl<QAction>(form, "Options1"));
        if (action == QLatin1String("background"))
            clickItem(findControl<ui::RadioGroup>(form, "backchoice"), QStringLiteral("3"));
        else
            clickItem(findControl<ui::RadioGroup>(form, "Blocksgroup"), QStringLiteral("Hard"));
    } else if (action.startsWith(QLatin1String("name"))) {
        playToTheEnd(form);
        if (action == QLatin1String("name-after-other-copy"))
            enterResultAsAnotherCopy();
        enterName(form, QStringLiteral("Grace"));
    }
}

void report(const TForm1& form, const std::vector<QString>& messages)
{
    QTextStream out(stdout);
    for (const QString& message : messages)
        out << "message " << message << '\n';
    out << "level " << findControl<QLabel>(form, "blockslbl")->text() << '\n';
    out << "difficulty " << findControl<ui::RadioGroup>(form, "Blocksgroup")->itemIndex() << '\n';
    out << "background " << findControl<ui::ClientArea>(form, "client")->background() << ' ' << findControl<ui::RadioGroup>(form, "backchoice")->itemIndex() << '\n';
    out << "player " << findControl<QLineEdit>(form, "Playersname")->text() << '\n';
    out << "nameentry " << (findControl<QWidget>(form, "overpanel")->isVisible() ? "open" : "closed") << '\n';
    for (int k = 0; k < persist::ScoreLineCount; ++k)
        out << "line" << k + 1 << ' ' << scoreLabel(form, "name", k)->text() << '|' << scoreLabel(form, "level", k)->text() << '|'
            << scoreLabel(form, "score", k)->text() << '|' << WindowAccess::scoreTableOf(form)[k].score << '\n';
}

// A file-size limit in bytes, as `ulimit -f` sets one, from the variable
// `name` when it is set.
void limitFileSize(const char* name)
{
    if (!qEnvironmentVariableIsSet(name))
        return;
    const rlim_t bytes = qEnvironmentVariableIntValue(name);
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("the file-size limit could not be set");
}

} // namespace

int main(int argc, char* argv[])
{
    // As a shell leaves the program: the signal that enforces a file-size
    // limit at its default, whatever the process that started the probe did
    // with it. Then the game's own first step.
    std::signal(SIGXFSZ, SIG_DFL);
    persist::surviveFileSizeLimit();
    QApplication application(argc, argv);
    limitFileSize("FILE_SIZE_LIMIT");
    const QString action = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::vector<QString> messages;
    // A message while the window is built comes from the standard box, before
    // any other can be put in its place: read it and close it.
    auto catcher = std::make_unique<StandardBoxCatcher>(CloseBoxesEveryMs);
    TForm1 form(std::make_unique<FixedSeedRandom>(1));
    form.createAboutBox();
    messages = catcher->texts;
    catcher.reset();
    // A system call made to fail from here on leaves the start-up alone.
    if (const QByteArray call = qgetenv("FAIL_CALL_AFTER_START"); !call.isEmpty())
        qputenv("FAIL_CALL", call);
    limitFileSize("FILE_SIZE_LIMIT_AFTER_START");
    WindowAccess::answerBoxes(form, [&](const QString& text, const QString&, BoxButtons) {
        messages.push_back(text);
        return BoxAnswer::Yes;
    });
    act(form, action);
    report(form, messages);
    return 0;
}
