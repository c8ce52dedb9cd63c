#include "FakeHost.h"
#include "Game.h"
#include "LiteralResolution.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <random>

namespace quorvel::testing {
namespace {

// How many pages from `address` on, `bytes` long, hold memory of this
// process's own: a page only ever read maps the system's shared page of
// zeros, which is present but not this process's alone.
int ownPages(const void* address, std::size_t bytes)
{
    constexpr std::uintptr_t Page = 4096;
    constexpr uint64_t Present = uint64_t(1) << 63, Exclusive = uint64_t(1) << 56;
    const int pagemap = open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC);
    if (pagemap < 0)
        return -1;
    const auto first = reinterpret_cast<std::uintptr_t>(address) / Page;
    const auto last = (reinterpret_cast<std::uintptr_t>(address) + bytes - 1) / Page;
    int own = 0;
    for (std::uintptr_t page = first; page <= last && own >= 0; ++page) {
        uint64_t entry = 0;
        if (pread(pagemap, &entry, sizeof entry, off_t(page * sizeof entry)) != sizeof entry)
            own = -1;
        else
            own += (entry & Present) && (entry & Exclusive);
    }
    close(pagemap);
    return own;
}

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
    // The board is 88 KiB, nearly all of it margin that is only read: the
    // well, its frame and the Floor row lie in four of its 22 pages.
    EXPECT_EQ(ownPages(&game.Board(), sizeof(Board)), 4);
}

} // namespace
} // namespace quorvel::testing
