#include "Unit1.h"

#include "ClientArea.h"
#include "FramePlacement.h"
#include "Labels.h"
#include "LevelNames.h"
#include "OverlayPanel.h"
#include "Placement.h"
#include "RadioGroup.h"
#include "Settings.h"
#include "Unit2.h"
#include "Well.h"
#include "WriteError.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace quorvel::ui {
namespace {

constexpr int TickMilliseconds = 20;

// The four moves and their keys. A digit counts only from the numeric
// keypad; the arrow keys count from anywhere.
struct KeyBinding {
    Qt::Key key;
    bool keypadOnly;
    void (Game::*move)();
};
constexpr KeyBinding KeyBindings[] = {
    {Qt::Key_Left, false, &Game::MoveLeft},      {Qt::Key_4, true, &Game::MoveLeft},
    {Qt::Key_Right, false, &Game::MoveRight},    {Qt::Key_6, true, &Game::MoveRight},
    {Qt::Key_Down, false, &Game::CycleColours},  {Qt::Key_5, true, &Game::CycleColours},
    {Qt::Key_Up, false, &Game::Launch},          {Qt::Key_Space, false, &Game::Launch},
};

} // namespace

TForm1::TForm1(std::unique_ptr<RandomSource> random, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      game_(*this, std::move(random)), pictures_(std::make_shared<const Pictures>(qGuiApp->devicePixelRatio())),
      messageBox_([this](const QString& text, const QString& caption, BoxButtons buttons) {
          return standardMessageBox(this, text, caption, buttons);
      })
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Boxupdate);
    createControls();

    // The saved options are applied through the groups' own handlers; while
    // no game runs they ask nothing.
    overpanel->hide();
    game_.SetGameOver();
    readSettings();
    Timer1->setInterval(TickMilliseconds);
    Blocksgroup->setItemIndex(game_.KindCount() - MinKindCount);
    showLevelName(blockslbl, game_.KindCount());
    game_.PrepareStartUp();
    well->showBoard(game_);
    ScoreChanged(game_.Score());
    // The desktop's Quit keys close the window from any control: Ctrl+Q, as
    // on every Linux desktop, also where the platform names none.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    auto* quit = new QShortcut(this);
    quit->setKeys(quitKeys);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    buildingWindow_ = false;
    // Keys are watched on the window itself, before any control sees them;
    // it must exist for that, shown or not.
    winId();
    windowHandle()->installEventFilter(this);
    // Centred on the screen's free area the first time it is shown.
    placement_ = new FramePlacement(*this, [this](const QMargins& frame) {
        return framePlace(size(), frame, screen()->availableGeometry());
    });
    // The keys belong to the window until the player tabs into a panel. A
    // window without a focus of its own would hand it, whenever it is
    // activated, to the first control it finds, such as a difficulty item.
    setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1() = default;

void TForm1::readSettings()
{
    const persist::StartupSettings saved = persist::readStartup();
    scoreTable_ = saved.table;
    showScoreTable();
    client->setBackground(persist::clampBackground(saved.background));
    backchoice->setItemIndex(client->background());
    game_.SetKindCount(saved.blocks);
    Playersname->setText(saved.playerName);
}

void TForm1::showScoreTable()
{
    for (int k = 0; k < persist::ScoreLineCount; ++k) {
        showText(name[k], shownName(scoreTable_[k].name));
        showText(score[k], QString::number(scoreTable_[k].score));
        showLevelName(level[k], scoreTable_[k].level);
    }
}

// A value without a name leaves the label as it was.
void TForm1::showLevelName(QLabel* label, int value)
{
    if (const std::optional<QString> text = LevelName(value))
        showText(label, *text);
}

// Applying the saved options at start-up is one action: after its first
// refused save the rest is abandoned, so the player hears of it once.
bool TForm1::save(const std::function<void()>& write)
{
    if (buildingWindow_ && saveRefused_)
        return false;
    try {
        write();
        return true;
    } catch (const persist::WriteError&) {
        saveRefused_ = true;
        showMessage(GameMessage::SaveRefused);
        return false;
    }
}

BoxAnswer TForm1::showMessage(GameMessage message)
{
    const MessageText box = describe(message);
    return messageBox_(box.text, box.caption, box.buttons);
}

// At most one move per key-down, whatever Shift, Ctrl or Alt are held.
void TForm1::keyprocess(const QKeyEvent& event)
{
    for (const KeyBinding& binding : KeyBindings)
        if (event.key() == binding.key && (!binding.keypadOnly || event.modifiers().testFlag(Qt::KeypadModifier))) {
            (game_.*binding.move)();
            return;
        }
}

// Every key-down of the window passes here before the focused control gets
// it, and goes on to that control unchanged. A modal box or dialog has a
// window of its own, so its keys never come this way.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        keyprocess(*static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::setVisible(bool visible)
{
    if (!placement_->holdsShowing(visible))
        QMainWindow::setVisible(visible);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    placement_->placeFirstTime();
}

void TForm1::NewGame1Click()
{
    if (showMessage(GameMessage::NewGameQuestion) == BoxAnswer::Yes)
        game_.StartNewGame();
}

void TForm1::Options1Click()
{
    Scorepanel->hide();
    Panel1->show();
    game_.FreezeFlight();
}

void TForm1::HighScores1Click()
{
    Scorepanel->show();
    Panel1->hide();
    game_.FreezeFlight();
}

void TForm1::createAboutBox()
{
    if (!AboutBox)
        AboutBox = new TAboutBox(*pictures_, this);
}

void TForm1::About1Click()
{
    if (AboutBox)
        AboutBox->exec();
}

// A game that ends while the question is open counts as over, whatever the
// answer. The new difficulty stands only once it is saved: a refused save
// leaves the running game and the difficulty in force as they were.
void TForm1::BlocksgroupClick()
{
    bool goAhead = game_.GameOver();
    if (!goAhead)
        goAhead = showMessage(GameMessage::LevelsQuestion) == BoxAnswer::Yes ||
                  game_.GameOver();
    const int chosen = ClampKindCount(Blocksgroup->itemIndex() + MinKindCount);
    if (!goAhead || !save([chosen] { persist::writeBlocks(chosen); })) {
        Blocksgroup->showItemIndex(game_.KindCount() - MinKindCount);
        return;
    }
    game_.SetGameOver();
    game_.SetKindCount(chosen);
    showLevelName(blockslbl, game_.KindCount());
    game_.StartNewGame();
}

// A refused save keeps the background in force, on screen and in the group.
void TForm1::backchoiceClick()
{
    const int chosen = backchoice->itemIndex();
    if (!save([chosen] { persist::writeBackground(chosen); })) {
        backchoice->showItemIndex(client->background());
        return;
    }
    client->setBackground(chosen);
}

void TForm1::dxButton1Click()
{
    Panel1->hide();
    BoardChanged();
}

void TForm1::dxButton2Click()
{
    Scorepanel->hide();
    BoardChanged();
}

// Enters the waiting results once each, in one save: a failed save keeps
// them all for another try. Another copy of the game may have filled the
// table with better results meanwhile; the player hears of it once.
void TForm1::dxButton3Click()
{
    if (nameEntryResults_.empty())
        return;
    std::vector<bool> entered;
    if (!save([&] { entered = persist::insertResults(scoreTable_, Playersname->text(), nameEntryResults_); }))
        return;
    nameEntryResults_.clear();
    showScoreTable();
    overpanel->hide();
    Scorepanel->show();
    save([this] { persist::writePlayerName(Playersname->text()); });
    if (std::find(entered.begin(), entered.end(), false) != entered.end())
        showMessage(GameMessage::ResultNoLongerInTable);
}

void TForm1::GameEnded()
{
    if (persist::qualifiesForTable(scoreTable_, game_.Score(), nameEntryResults_)) {
        nameEntryResults_.push_back({game_.KindCount(), game_.Score()});
        overpanel->show();
    } else {
        showMessage(GameMessage::GameOver);
    }
}

void TForm1::ScoreChanged(int32_t value)
{
    showText(Label1, QString::number(value));
}

void TForm1::StartTimer()
{
    Timer1->start();
}

void TForm1::StopTimer()
{
    Timer1->stop();
}

bool TForm1::TimerRunning() const
{
    return Timer1->isActive();
}

// The options and high-score panels belong to the game that was; the name
// entry waits for its "Ok" whatever game runs.
void TForm1::NewGameBegan()
{
    Scorepanel->hide();
    Panel1->hide();
    well->endClearing();
}

void TForm1::BoardChanged()
{
    well->showBoard(game_);
}

void TForm1::BlocksCleared(int blocks, int32_t points)
{
    well->showClearing(blocks, points);
}

} // namespace quorvel::ui
