#pragma once

#include "Game.h"
#include "GameHost.h"
#include "HighScores.h"
#include "GameMessages.h"
#include "Pictures.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTimer;

namespace quorvel::testing {
class WindowAccess;
}

namespace quorvel::ui {

class ClientArea;
class DxButton;
class FramePlacement;
class OverlayPanel;
class PictureButton;
class PictureControl;
class RadioGroup;
class TAboutBox;
class Well;

// The main window: it owns the game, the clock it lends the game and every
// control, wires the controls to its handlers and runs the game flow in
// them. Each control keeps its layout name as its objectName.
class TForm1 final : public QMainWindow, private GameHost {
    Q_OBJECT

public:
    explicit TForm1(std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>(),
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // Makes the help/about box, hidden, once the window is made: it is then
    // shown again at each request.
    void createAboutBox();
    TAboutBox& aboutBox() { return *AboutBox; }
    const Pictures& pictures() const { return *pictures_; }
    // The first showing waits for the window manager's word on the frame.
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void Panel7Click() { game_.MoveLeft(); }
    void Panel8Click() { game_.MoveRight(); }
    void ChangeClick() { game_.CycleColours(); }
    void GoClick() { game_.Launch(); }

    void NewGame1Click();
    void Options1Click();
    void HighScores1Click();
    void About1Click();

    void BlocksgroupClick();
    void backchoiceClick();
    void dxButton1Click();
    void dxButton2Click();
    void dxButton3Click();

    void Boxupdate() { game_.Boxupdate(); }

private:
    friend class quorvel::testing::WindowAccess;
    // Every box the game shows goes through this one function.
    using MessageBoxFunction = std::function<BoxAnswer(const QString& text, const QString& caption, BoxButtons)>;

    void StartTimer() override;
    void StopTimer() override;
    bool TimerRunning() const override;
    void NewGameBegan() override;
    void BoardChanged() override;
    void BlocksCleared(int blocks, int32_t points) override;
    void ScoreChanged(int32_t score) override;
    void GameEnded() override;

    void keyprocess(const QKeyEvent& key);
    void createControls();
    void createMenu();
    void createSideColumn();
    void createOptionsPanel();
    void createScorePanel();
    void createNamePanel();
    void readSettings();
    void showScoreTable();
    void showLevelName(QLabel* label, int level);
    // Every question and message of the game, shown through messageBox_.
    BoxAnswer showMessage(GameMessage message);
    // Runs one save; on failure tells the player and returns false.
    bool save(const std::function<void()>& write);

    // Read only by the window's own handlers: the well is handed the game
    // to show it, and keeps nothing of it.
    Game game_;
    // Every control that draws a picture holds its share of them, so that
    // none can outlive them, whatever goes first as the window closes.
    std::shared_ptr<const Pictures> pictures_;
    persist::ScoreTable scoreTable_{};
    MessageBoxFunction messageBox_;
    FramePlacement* placement_ = nullptr;
    // The results the open name entry is for: those of every game that
    // ended with a place in the table since it opened, whatever game runs
    // when the name is confirmed.
    std::vector<persist::GameResult> nameEntryResults_;
    bool buildingWindow_ = true;
    bool saveRefused_ = false;

    // The controls, by the names the game's layout gives them.
    QTimer* Timer1 = nullptr;
    TAboutBox* AboutBox = nullptr;
    ClientArea* client = nullptr;
    Well* well = nullptr;
    QLabel* blockslbl = nullptr;
    QLabel* Label1 = nullptr;
    OverlayPanel* Panel1 = nullptr;
    RadioGroup* Blocksgroup = nullptr;
    RadioGroup* backchoice = nullptr;
    OverlayPanel* Scorepanel = nullptr;
    std::array<QLabel*, persist::ScoreLineCount> name{};
    std::array<QLabel*, persist::ScoreLineCount> level{};
    std::array<QLabel*, persist::ScoreLineCount> score{};
    OverlayPanel* overpanel = nullptr;
    QLineEdit* Playersname = nullptr;
};

} // namespace quorvel::ui
