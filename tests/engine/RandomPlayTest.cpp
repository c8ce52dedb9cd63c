#include "FakeHost.h"
#include "Game.h"
#include "LiteralResolution.h"

#include <gtest/gtest.h>

#include <random>

namespace quorvel::testing {
namespace {

class RandomPlay : public ::testing::Test {
protected:
    void expectSoundBoard()
    {
        const int kindCount = game.KindCount();
        for (int c = 0; c < GridSize; ++c) {
            for (int r = 0; r < GridSize; ++r) {
                const int32_t cell = game.Cell(c, r);
                if (InPlayArea(c, r))
                    ASSERT_TRUE(cell >= Empty && cell <= kindCount) << c << "," << r << " holds " << cell;
                else
                    ASSERT_TRUE(cell == Empty || cell == Floor) << c << "," << r << " holds " << cell;
            }
        }
    }

    // After a landing the board holds no run and every column hangs as one
    // unbroken stack from the top row, but for the new piece in row 18, which
    // may well line up with blocks above it until it lands in turn.
    void expectSettledWithoutRuns()
    {
        Board landed = game.Board();
        for (const Block& block : game.Piece())
            landed[block.column][block.row] = Empty;
        MarkGrid marks{};
        ASSERT_EQ(reference::LiteralMarkRuns(landed, marks, game.KindCount()), 0);
        for (int c = FirstColumn; c <= LastColumn; ++c) {
            bool gap = false;
            for (int r = TopRow; r > LaunchRow; --r) {
                if (game.Cell(c, r) == Empty)
                    gap = true;
                else
                    ASSERT_FALSE(gap) << "column " << c << " has a hole below row " << r;
            }
        }
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(game.Cell(SpawnColumn + i, LaunchRow), game.Piece()[i].kind);
    }

    // One random step of a player: a move, or a launch and the whole flight.
    void playStep(std::mt19937& random)
    {
        switch (random() % 4) {
        case 0: game.MoveLeft(); break;
        case 1: game.MoveRight(); break;
        case 2: game.CycleColours(); break;
        default:
            game.Launch();
            while (host.timerRunning) {
                const int32_t before = game.Score();
                game.Boxupdate();
                expectSoundBoard();
                ASSERT_GE(game.Score(), before);
            }
            if (!game.GameOver())
                expectSettledWithoutRuns();
        }
        expectSoundBoard();
    }

    FakeHost host;
    Game game{host, std::make_unique<UnbrokenRandom>(99)};
};

TEST_F(RandomPlay, GamesPlayedAtRandomKeepTheBoardSound)
{
    std::mt19937 random(4242);
    int ended = 0;
    int scored = 0;
    game.PrepareStartUp();
    for (int round = 0; round < 120; ++round) {
        game.SetKindCount(MinKindCount + round % 4);
        game.StartNewGame();
        for (int step = 0; step < 2000 && !game.GameOver(); ++step) {
            playStep(random);
            if (HasFatalFailure())
                return;
        }
        ended += game.GameOver();
        scored += game.Score() > 0;
    }
    EXPECT_GT(ended, 100) << "random play should end most games";
    EXPECT_GT(scored, 60) << "random play should clear lines in many games";
}

} // namespace
} // namespace quorvel::testing
