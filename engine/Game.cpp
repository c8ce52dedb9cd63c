#include "Game.h"

#include "Landing.h"

#include <limits>

namespace quorvel {
namespace {

// A new game clears a wide block of the grid round the well, and lays the
// Floor row out far to the right.
constexpr int ResetFirstRow = 10;
constexpr int FloorRowEnd = 28;

// Points are never negative, so only the top can be passed; the score then
// stays at the largest value it can hold.
int32_t AddPoints(int32_t score, int32_t points)
{
    constexpr int32_t Largest = std::numeric_limits<int32_t>::max();
    return points > Largest - score ? Largest : score + points;
}

} // namespace

Game::Game(GameHost& host, std::unique_ptr<RandomSource> random) : host_(host), random_(std::move(random)) {}

std::array<BlockKind, 3> Game::DealTrio()
{
    std::array<BlockKind, 3> kinds{};
    do {
        for (BlockKind& kind : kinds)
            kind = 1 + static_cast<BlockKind>(random_->Next() % static_cast<uint32_t>(kindCount_));
    } while (kinds[0] == kinds[1] && kinds[1] == kinds[2]);
    return kinds;
}

void Game::SpawnPiece()
{
    for (int i = 0; i < 3; ++i) {
        Block& block = piece_[i];
        block.column = SpawnColumn + i;
        block.row = LaunchRow;
        board_[block.column][block.row] = block.kind;
    }
}

void Game::Fill(int32_t value, int firstColumn, int lastColumn, int firstRow, int lastRow)
{
    for (int c = firstColumn; c <= lastColumn; ++c)
        for (int r = firstRow; r <= lastRow; ++r)
            board_[c][r] = value;
}

void Game::DealPieces()
{
    const auto kinds = DealTrio();
    for (int i = 0; i < 3; ++i)
        piece_[i].kind = kinds[i];
    nextPiece_ = DealTrio();
    SpawnPiece();
}

void Game::PrepareStartUp()
{
    host_.NewGameBegan();
    random_->Reseed();
    Fill(Empty, FirstColumn, LastColumn, LaunchRow, TopRow);
    // A frame of Floor round the well; only its top row ever stops a block.
    Fill(Floor, FirstColumn - 2, LastColumn + 2, LaunchRow - 1, LaunchRow - 1);
    Fill(Floor, FirstColumn - 2, LastColumn + 2, FloorRow, FloorRow);
    Fill(Floor, FirstColumn - 1, FirstColumn - 1, LaunchRow - 1, FloorRow + 1);
    Fill(Floor, LastColumn + 1, LastColumn + 1, LaunchRow - 1, FloorRow + 1);
    DealPieces();
    gameOver_ = false;
    score_ = 0;
    host_.StopTimer();
}

void Game::StartNewGame()
{
    // A new game always waits for its first launch, even when the old one
    // was in flight.
    host_.StopTimer();
    gameOver_ = false;
    score_ = 0;
    host_.ScoreChanged(score_);
    host_.NewGameBegan();
    random_->Reseed();
    Fill(Empty, FirstColumn - 1, LastColumn, ResetFirstRow, FloorRow);
    Fill(Floor, FirstColumn - 1, FloorRowEnd, FloorRow, FloorRow);
    DealPieces();
    host_.BoardChanged();
}

bool Game::LaunchBlocked() const
{
    for (int c = FirstColumn; c <= LastColumn; ++c)
        if (board_[c][LaunchRow] != Empty && board_[c][EntryRow] != Empty)
            return true;
    return false;
}

// True when no three adjacent cells of the entry row are free, so that no
// piece could be launched anywhere without ending the game.
bool Game::EntryRowFull() const
{
    for (int c = FirstColumn; c + 2 <= LastColumn; ++c)
        if (board_[c][EntryRow] == Empty && board_[c + 1][EntryRow] == Empty && board_[c + 2][EntryRow] == Empty)
            return false;
    return true;
}

// Each block rises on its own; returns how many of the three are blocked.
int Game::Rise()
{
    int landedCount = 0;
    for (Block& block : piece_) {
        if (board_[block.column][block.row + 1] != Empty) {
            ++landedCount;
            continue;
        }
        board_[block.column][block.row] = Empty;
        ++block.row;
        board_[block.column][block.row] = block.kind;
    }
    return landedCount;
}

void Game::BringInNextPiece()
{
    host_.StopTimer();
    for (int i = 0; i < 3; ++i)
        piece_[i].kind = nextPiece_[i];
    nextPiece_ = DealTrio();
    SpawnPiece();
}

// The player sees the final board and score before the window takes over.
void Game::EndGame()
{
    gameOver_ = true;
    host_.StopTimer();
    host_.BoardChanged();
    host_.ScoreChanged(score_);
    host_.GameEnded();
}

void Game::Boxupdate()
{
    gameOver_ = LaunchBlocked();
    if (gameOver_) {
        EndGame();
        return;
    }
    const int LandedCount = Rise();
    if (LandedCount == 3) {
        // Every cleared block scores alike, so the points tell how many.
        const int32_t points = ResolveLanding(board_, markGrid_, kindCount_);
        score_ = AddPoints(score_, points);
        if (points > 0)
            host_.BlocksCleared(points / PointsPerBlock(kindCount_), points);
        BringInNextPiece();
        if (EntryRowFull()) {
            EndGame();
            return;
        }
    }
    host_.BoardChanged();
    host_.ScoreChanged(score_);
}

// Moves the three blocks one column over, each in its own row. A piece frozen
// in mid-flight may have its blocks in different rows, so every target cell is
// checked: the move goes ahead only into cells that are empty or the piece's
// own, and never leaves a copy of a block behind.
void Game::ShiftPiece(int columnStep)
{
    auto ownCell = [this](int column, int row) {
        for (const Block& block : piece_)
            if (block.column == column && block.row == row)
                return true;
        return false;
    };
    for (const Block& block : piece_) {
        const int column = block.column + columnStep;
        if (board_[column][block.row] != Empty && !ownCell(column, block.row))
            return;
    }
    for (const Block& block : piece_)
        board_[block.column][block.row] = Empty;
    for (Block& block : piece_) {
        block.column += columnStep;
        board_[block.column][block.row] = block.kind;
    }
}

void Game::MoveLeft()
{
    if (!SteeringAllowed() || piece_[0].column <= FirstColumn)
        return;
    ShiftPiece(-1);
    host_.BoardChanged();
}

void Game::MoveRight()
{
    if (!SteeringAllowed() || piece_[2].column >= LastColumn)
        return;
    ShiftPiece(+1);
    host_.BoardChanged();
}

void Game::CycleColours()
{
    if (!SteeringAllowed())
        return;
    const BlockKind first = piece_[0].kind;
    piece_[0].kind = piece_[1].kind;
    piece_[1].kind = piece_[2].kind;
    piece_[2].kind = first;
    for (const Block& block : piece_)
        board_[block.column][block.row] = block.kind;
    host_.BoardChanged();
}

void Game::Launch()
{
    if (SteeringAllowed())
        host_.StartTimer();
}

void Game::FreezeFlight()
{
    host_.StopTimer();
}

} // namespace quorvel
