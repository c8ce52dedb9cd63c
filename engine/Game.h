#pragma once

#include "Board.h"
#include "GameHost.h"
#include "Piece.h"
#include "Random.h"

#include <cstdint>
#include <memory>

namespace quorvel {
namespace testing {
class GameFixture;
}

// The state of one game and the operations on it. The window owns a Game and
// serves as its GameHost; every operation runs on the window's event thread.
class Game {
public:
    explicit Game(GameHost& host, std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>());

    // The start-up preparation: a board with a piece waiting, nothing painted.
    void PrepareStartUp();
    void StartNewGame();
    // One tick of the 20 ms timer.
    void Boxupdate();

    void MoveLeft();
    void MoveRight();
    void CycleColours();
    void Launch();
    // Stops a piece in flight where it stands, until the next Launch; the
    // options and high-score panels do this as they open.
    void FreezeFlight();

    // Held in Easy..Wicked whatever the caller passes.
    void SetKindCount(int kindCount) { kindCount_ = ClampKindCount(kindCount); }
    // A confirmed difficulty change ends the running game before the new one.
    void SetGameOver() { gameOver_ = true; }

    int KindCount() const { return kindCount_; }
    int32_t Score() const { return score_; }
    bool GameOver() const { return gameOver_; }
    bool InFlight() const { return host_.TimerRunning(); }
    // By the game's own names, which the types of these parts share.
    const quorvel::Board& Board() const { return board_; }
    int32_t Cell(int column, int row) const { return board_[column][row]; }
    const quorvel::Piece& Piece() const { return piece_; }
    const quorvel::NextPiece& NextPiece() const { return nextPiece_; }

private:
    // Sets up positions to play on from.
    friend class testing::GameFixture;

    std::array<BlockKind, 3> DealTrio();
    void SpawnPiece();
    void DealPieces();
    void Fill(int32_t value, int firstColumn, int lastColumn, int firstRow, int lastRow);
    bool LaunchBlocked() const;
    bool EntryRowFull() const;
    int Rise();
    void BringInNextPiece();
    void EndGame();
    bool SteeringAllowed() const { return !InFlight() && !gameOver_; }
    void ShiftPiece(int columnStep);

    GameHost& host_;
    std::unique_ptr<RandomSource> random_;
    quorvel::Board board_{};
    MarkGrid markGrid_{};
    quorvel::Piece piece_{};
    quorvel::NextPiece nextPiece_{};
    int kindCount_ = DefaultKindCount;
    int32_t score_ = 0;
    bool gameOver_ = false;
};

} // namespace quorvel
