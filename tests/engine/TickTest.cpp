#include "CaseNames.h"
#include "GameFixture.h"

#include <limits>

namespace quorvel::testing {
namespace {

// Every cell of the play area gets a kind that makes no run of three in any
// direction, so a landing there clears nothing.
BlockKind lattice(int column, int row) { return 1 + (column + 2 * row) % 6; }

using Flight = GameFixture;
using Events = std::vector<std::string>;

TEST_F(Flight, PieceBlockedAboveTheLaunchRowEndsTheGameBeforeAnythingMoves)
{
    for (int column = 12; column <= 18; ++column) {
        game.StartNewGame();
        Cells()[column][EntryRow] = 7;
        game.Launch();
        host.calls.clear();
        game.Boxupdate();
        const bool underPiece = column >= 14 && column <= 16;
        EXPECT_EQ(game.GameOver(), underPiece) << column;
        if (underPiece) {
            EXPECT_EQ(pieceRows(), (std::vector<int>{18, 18, 18}));
            // The final board and score are shown before the window takes over.
            EXPECT_EQ(host.calls, (Events{"stop", "board", "score 0", "end"}));
        } else {
            EXPECT_EQ(pieceRows(), (std::vector<int>{19, 19, 19}));
            EXPECT_TRUE(host.timerRunning);
        }
    }
}

TEST_F(Flight, BlocksRiseOnTheirOwnAndLandTogether)
{
    draw(Cells(), {"....7", "....8"});
    game.Launch();
    tick(7);
    EXPECT_EQ(pieceRows(), (std::vector<int>{25, 25, 25}));
    tick(1);
    EXPECT_EQ(pieceRows(), (std::vector<int>{26, 25, 26})) << "block 2 stops under the 8";
    tick(1);
    EXPECT_EQ(pieceRows(), (std::vector<int>{27, 25, 27})) << "free blocks rise to the top row";
    EXPECT_TRUE(host.timerRunning) << "landing waits for the tick in which none can rise";
    tick(1);
    EXPECT_FALSE(host.timerRunning);
    EXPECT_EQ(pictureOf(game.Board()),
              fullPicture({"...173", "....8", "....2", "", "", "", "", "", "", "...456"}));
    EXPECT_EQ(game.NextPiece(), (NextPiece{7, 8, 9}));
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(host.calls.back(), "score 0");
}

TEST_F(Flight, ALandingThatCompletesALineClearsAndScores)
{
    draw(Cells(), {"...1", "...1"});
    game.Launch();
    EXPECT_EQ(host.fly(game), 10);
    EXPECT_EQ(game.Score(), 3 * 4);
    EXPECT_EQ(host.shownScore, 12);
    // The window hears what vanished before it shows the board without it.
    const Events endOfTick(host.calls.end() - 4, host.calls.end());
    EXPECT_EQ(endOfTick, (Events{"cleared 3 for 12", "stop", "board", "score 12"}));
    EXPECT_EQ(pictureOf(game.Board()), fullPicture({"....23", "", "", "", "", "", "", "", "", "...456"}));
}

struct EntryCase {
    const char* name;
    const char* rowBefore; // row 19, before the piece lands in columns 14 to 16
    bool ends;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.name << " (" << c.rowBefore << ")"; }

class EntryTest : public GameFixture, public ::testing::WithParamInterface<EntryCase> {
protected:
    // The first piece takes the lattice's kinds for columns 14 to 16 of row 19.
    EntryTest() : GameFixture({4, 5, 0, 0, 1, 2}, MinKindCount) {}
};

TEST_P(EntryTest, GameEndsWhenRow19HasNoThreeAdjacentFreeCells)
{
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        for (int r = EntryRow + 1; r <= TopRow; ++r)
            Cells()[c][r] = lattice(c, r);
        if (GetParam().rowBefore[c - FirstColumn] == 'X')
            Cells()[c][EntryRow] = lattice(c, EntryRow);
    }
    game.Launch();
    host.fly(game);
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(game.GameOver(), GetParam().ends);
    EXPECT_FALSE(host.timerRunning);
    const Events endOfTick(host.calls.end() - 4, host.calls.end());
    if (GetParam().ends)
        EXPECT_EQ(endOfTick, (Events{"stop", "board", "score 0", "end"}));
    else
        EXPECT_EQ(endOfTick, (Events{"score 0", "stop", "board", "score 0"}));
}

INSTANTIATE_TEST_SUITE_P(Row19, EntryTest,
                         ::testing::Values(EntryCase{"an empty row", "..........", false},
                                           EntryCase{"three free cells beside each other", "XXX...X...", false},
                                           EntryCase{"the leftmost three cells free alone", "......XXXX", false},
                                           EntryCase{"two free cells at most", "XXX...XX..", true},
                                           EntryCase{"free pairs apart", "..X...X..X", true},
                                           EntryCase{"single free cells", "X.X...X.X.", true}),
                         CaseName());

TEST_F(Flight, AScoreReachedOnTheLastLandingIsShownBeforeTheGameEnds)
{
    // Every column full down to row 19 but the piece's; block 1 (kind 1)
    // completes a line of 1s in column 14 and the two others close row 19.
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        const int lowest = (c >= 14 && c <= 16) ? EntryRow + 1 : EntryRow;
        for (int r = lowest; r <= TopRow; ++r)
            Cells()[c][r] = lattice(c, r);
    }
    Cells()[14][20] = 1;
    Cells()[14][21] = 1;
    game.Launch();
    EXPECT_EQ(host.fly(game), 2);
    EXPECT_TRUE(game.GameOver());
    EXPECT_EQ(game.Score(), 3 * 4);
    EXPECT_EQ(host.calls.back(), "end");
    EXPECT_EQ(host.shownScore, 12);
}

TEST_F(Flight, TheScoreStopsAtTheLargestValueInsteadOfWrapping)
{
    constexpr int32_t Largest = std::numeric_limits<int32_t>::max();
    setScore(game, Largest - 5);
    for (int landing = 0; landing < 2; ++landing) {
        draw(Cells(), {"...1", "...1"});
        game.Launch();
        host.fly(game);
        EXPECT_EQ(game.Score(), Largest) << "landing " << landing;
        EXPECT_EQ(host.shownScore, Largest) << "landing " << landing;
    }
}

} // namespace
} // namespace quorvel::testing
