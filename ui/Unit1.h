#pragma once

#include "Game.h"
#include "GameHost.h"
#include "HighScores.h"
#include "MessageBoxes.h"
#include "Pictures.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;

namespace quorvel::ui {

class ClientArea;
class DxButton;
class OverlayPanel;
class PictureButton;
class PictureControl;
class RadioGroup;
class TAboutBox;
class Well;

// The main window: it owns the game, its clock and every control, and runs
// the game flow in its handlers.
class TForm1 final : public QMainWindow, public GameHost {
public:
    using MessageBoxFunction = std::function<BoxAnswer(const QString& text, const QString& caption, BoxButtons)>;

    explicit TForm1(std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>(),
                    QWidget* parent = nullptr);
    ~TForm1() override;

    void setAboutBox(TAboutBox* box) { AboutBox = box; }
    // Every question and message of the game goes through this one function.
    void setMessageBox(MessageBoxFunction function) { messageBox_ = std::move(function); }

    void keyprocess(int key);
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

    void StartTimer() override { Timer1.start(); }
    void StopTimer() override { Timer1.stop(); }
    bool TimerRunning() const override { return Timer1.isActive(); }
    void NewGameBegan() override;
    void BoardChanged() override;
    void ScoreChanged(int32_t score) override;
    void GameEnded() override;

    const Game& game() const { return game_; }
    Game& game() { return game_; }
    int BackgroundIndex() const;
    const Pictures& pictures() const { return pictures_; }
    const persist::ScoreTable& ScoreTable() const { return scoreTable_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    void CreateSideColumn();
    void CreateOptionsPanel();
    void CreateScorePanel();
    void CreateNamePanel();
    void ReadSettings();
    void CloseTopPanel();
    void ShowScoreLines(const persist::ScoreLines& lines);
    void ShowLevelName(QLabel* label, int level);
    // Runs one save; on failure tells the player and returns false.
    bool Save(const std::function<void()>& write);

    Game game_;
    Pictures pictures_;
    persist::ScoreTable scoreTable_{};
    MessageBoxFunction messageBox_;
    bool centred_ = false;
    // The result that the open name entry is for: that of the game whose end
    // opened it, whatever game runs when the name is confirmed.
    struct Result {
        int level;
        int32_t score;
    };
    std::optional<Result> nameEntryResult_;
    bool buildingWindow_ = true;
    bool saveRefused_ = false;

public:
    // The controls, by the names the game's layout gives them.
    QTimer Timer1;
    TAboutBox* AboutBox = nullptr;
    ClientArea* client = nullptr;
    Well* well = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* Options1 = nullptr;
    QAction* HighScores1 = nullptr;
    QAction* About1 = nullptr;
    PictureButton* Image1 = nullptr;
    PictureButton* Image2 = nullptr;
    PictureButton* Image3 = nullptr;
    PictureButton* Image4 = nullptr;
    PictureControl* Image5 = nullptr;
    PictureControl* Image6 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* blockslbl = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    OverlayPanel* Panel1 = nullptr;
    RadioGroup* Blocksgroup = nullptr;
    RadioGroup* backchoice = nullptr;
    DxButton* dxButton1 = nullptr;
    OverlayPanel* Scorepanel = nullptr;
    std::array<QLabel*, persist::ScoreLineCount> name{};
    std::array<QLabel*, persist::ScoreLineCount> level{};
    std::array<QLabel*, persist::ScoreLineCount> score{};
    DxButton* dxButton2 = nullptr;
    OverlayPanel* overpanel = nullptr;
    QLineEdit* Playersname = nullptr;
    DxButton* dxButton3 = nullptr;
};

} // namespace quorvel::ui
