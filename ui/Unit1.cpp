#include "Unit1.h"

#include "ClientArea.h"
#include "Geometry.h"
#include "KeyCodes.h"
#include "Labels.h"
#include "OverlayPanel.h"
#include "Placement.h"
#include "RadioGroup.h"
#include "Settings.h"
#include "Unit2.h"
#include "WriteError.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <vector>

namespace quorvel::ui {
namespace {

constexpr int TickMilliseconds = 20;

} // namespace

TForm1::TForm1(std::unique_ptr<RandomSource> random, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      game_(*this, std::move(random)), pictures_(qGuiApp->devicePixelRatio()),
      messageBox_([this](const QString& text, const QString& caption, BoxButtons buttons) {
          return StandardMessageBox(this, text, caption, buttons);
      })
{
    CreateControls();
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Boxupdate);

    // The saved options are applied through the groups' own handlers; while
    // no game runs they ask nothing.
    overpanel->hide();
    game_.SetGameOver();
    ReadSettings();
    Timer1.setInterval(TickMilliseconds);
    Blocksgroup->setItemIndex(game_.KindCount() - MinKindCount);
    ShowLevelName(blockslbl, game_.KindCount());
    game_.PrepareStartUp();
    // The first picture is the toolkit's own paint of the whole window, so
    // the well as prepared counts as shown.
    shown_.Update(game_);
    ScoreChanged(game_.Score());
    well->describe();
    // Escape closes the options and high-score panels as their "Ok" does;
    // the name entry has no way out but its "Ok".
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &TForm1::CloseTopPanel);
    buildingWindow_ = false;
    // Keys are watched on the window itself, before any control sees them;
    // it must exist for that, shown or not.
    winId();
    windowHandle()->installEventFilter(this);
    // The keys belong to the window until the player tabs into a panel. A
    // window without a focus of its own would hand it, whenever it is
    // activated, to the first control it finds, such as a difficulty item.
    setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1() = default;

void TForm1::ReadSettings()
{
    const persist::StartupSettings saved = persist::ReadStartup();
    ShowScoreLines(saved.lines);
    scoreTable_ = saved.scores;
    backgroundIndex_ = persist::ClampBackground(saved.background);
    backchoice->setItemIndex(backgroundIndex_);
    game_.SetKindCount(saved.blocks);
    Playersname->setText(saved.playerName);
}

void TForm1::ShowScoreLines(const persist::ScoreLines& lines)
{
    for (int k = 0; k < persist::ScoreLineCount; ++k) {
        ShowText(name[k], lines[k].name);
        ShowText(score[k], QString::number(lines[k].score));
        ShowLevelName(level[k], lines[k].level);
    }
}

// A value without a name leaves the label as it was.
void TForm1::ShowLevelName(QLabel* label, int value)
{
    if (const std::optional<QString> text = persist::LevelName(value))
        ShowText(label, *text);
}

// Applying the saved options at start-up is one action: after its first
// refused save the rest is abandoned, so the player hears of it once.
bool TForm1::Save(const std::function<void()>& write)
{
    if (buildingWindow_ && saveRefused_)
        return false;
    try {
        write();
        return true;
    } catch (const persist::WriteError& error) {
        saveRefused_ = true;
        messageBox_(QString::fromUtf8(error.what()), QStringLiteral("Quorvel"), BoxButtons::ErrorOk);
        return false;
    }
}

void TForm1::keyprocess(int key)
{
    if (key == VK_LEFT || key == VK_NUMPAD4)
        game_.MoveLeft();
    if (key == VK_RIGHT || key == VK_NUMPAD6)
        game_.MoveRight();
    if (key == VK_DOWN || key == VK_NUMPAD5)
        game_.CycleColours();
    if (key == VK_UP || key == VK_SPACE)
        game_.Launch();
}

// Every key-down of the window passes here before the focused control gets
// it, and goes on to that control unchanged. A modal box or dialog has a
// window of its own, so its keys never come this way.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        keyprocess(VirtualKeyCode(key->key(), key->modifiers()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!centred_ && screen()) {
        centred_ = true;
        CentreWindow(*this, screen()->availableGeometry());
    }
}

void TForm1::NewGame1Click()
{
    if (messageBox_(QStringLiteral("Are you sure?"), QStringLiteral("New game"), BoxButtons::YesNo) == BoxAnswer::Yes)
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
        goAhead = messageBox_(QStringLiteral("This will start a new game. Go ahead?"), QStringLiteral("Levels"),
                              BoxButtons::YesNo) == BoxAnswer::Yes ||
                  game_.GameOver();
    const int chosen = ClampKindCount(Blocksgroup->itemIndex() + MinKindCount);
    if (!goAhead || !Save([chosen] { persist::WriteBlocks(chosen); })) {
        Blocksgroup->showItemIndex(game_.KindCount() - MinKindCount);
        return;
    }
    game_.SetGameOver();
    game_.SetKindCount(chosen);
    ShowLevelName(blockslbl, game_.KindCount());
    game_.StartNewGame();
}

// A refused save keeps the background in force, on screen and in the group.
void TForm1::backchoiceClick()
{
    const int chosen = backchoice->itemIndex();
    if (!Save([chosen] { persist::WriteBackground(chosen); })) {
        backchoice->showItemIndex(backgroundIndex_);
        return;
    }
    backgroundIndex_ = chosen;
    MakeBackgroundPattern();
    client->repaint();
}

// The high-score panel lies over the options panel, so it goes first.
void TForm1::CloseTopPanel()
{
    for (OverlayPanel* panel : {Scorepanel, Panel1}) {
        if (panel->showing()) {
            panel->okButton()->click();
            return;
        }
    }
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

// Enters the result once: a failed save keeps it for another try.
void TForm1::dxButton3Click()
{
    if (!nameEntryResult_)
        return;
    const Result result = *nameEntryResult_;
    persist::ScoreLines lines;
    if (!Save([&] { lines = persist::InsertResult(scoreTable_, Playersname->text(), result.level, result.score); }))
        return;
    nameEntryResult_.reset();
    ShowScoreLines(lines);
    overpanel->hide();
    Scorepanel->show();
    Save([this] { persist::WritePlayerName(Playersname->text()); });
}

void TForm1::GameEnded()
{
    if (persist::Qualifies(scoreTable_, game_.Score())) {
        nameEntryResult_ = Result{game_.KindCount(), game_.Score()};
        overpanel->show();
    } else {
        messageBox_(QStringLiteral("Game over"), QStringLiteral("Game"), BoxButtons::Ok);
    }
}

void TForm1::ScoreChanged(int32_t value)
{
    ShowText(Label1, QString::number(value));
}

// The options and high-score panels belong to the game that was; the name
// entry waits for its "Ok" whatever game runs.
void TForm1::NewGameBegan()
{
    Scorepanel->hide();
    Panel1->hide();
}

// Only the places whose tile changed are drawn, there and then, so the window
// shows the new state when this returns.
void TForm1::BoardChanged()
{
    const QRegion changed = shown_.Update(game_);
    if (!changed.isEmpty())
        client->repaint(changed);
    // A rising piece would change the description fifty times a second; a
    // screen reader hears of the piece where it waits or lands.
    if (!TimerRunning())
        well->describe();
}

// Each pixel of the region is painted once: the tiles are opaque, so the
// background goes only where no tile will stand.
void TForm1::redraw(QPainter& painter, const QRegion& region)
{
    std::vector<int> spots;
    QRegion tiles;
    for (int spot = 0; spot < SpotCount; ++spot) {
        if (!region.intersects(SpotRect(spot)))
            continue;
        spots.push_back(spot);
        if (!pictures_.block(SpotTile(game_, spot)).isNull())
            tiles += SpotRect(spot);
    }
    PaintAroundTiles(painter, region.subtracted(tiles));
    for (const int spot : spots)
        painter.drawPixmap(SpotRect(spot).topLeft(), pictures_.block(SpotTile(game_, spot)));
}

// The pattern, and the window's colour beyond it.
void TForm1::PaintAroundTiles(QPainter& painter, const QRegion& open)
{
    const QRegion beyondPattern = open.subtracted(PatternRect);
    if (!beyondPattern.isEmpty()) {
        painter.setClipRegion(beyondPattern);
        painter.fillRect(beyondPattern.boundingRect(), client->palette().color(QPalette::Window));
    }
    painter.setClipRegion(open);
    PaintBackground(painter, PatternRect);
    painter.setClipping(false);
}

// A choice without a tile fills plain white. The tiles are opaque, so a tile
// serves as its own pattern.
void TForm1::MakeBackgroundPattern()
{
    const QPixmap& tile = pictures_.background(backgroundIndex_);
    if (!tile.isNull()) {
        backgroundPattern_ = tile;
        return;
    }
    QPixmap white(Pictures::BackgroundTileSize, Pictures::BackgroundTileSize);
    white.fill(Qt::white);
    backgroundPattern_ = white;
}

void TForm1::PaintBackground(QPainter& painter, const QRect& area)
{
    if (backgroundPattern_.isNull())
        MakeBackgroundPattern();
    // Tiled from the client origin, wherever the area starts.
    painter.drawTiledPixmap(area, backgroundPattern_, area.topLeft());
}

} // namespace quorvel::ui
