#include "GameFixture.h"

namespace quorvel::testing {
namespace {

using Moves = GameFixture;
using Ints = std::vector<int>;

struct SlideCase {
    const char* name;
    void (Game::*move)();
    int times;
    Ints columns;
    int paints;
};

TEST_F(Moves, SlideToEachWallAndNoFurther)
{
    const SlideCase cases[] = {
        {"one left", &Game::MoveLeft, 1, {13, 14, 15}, 1},
        {"three left reach the wall", &Game::MoveLeft, 3, {11, 12, 13}, 3},
        {"a fourth left is refused unpainted", &Game::MoveLeft, 4, {11, 12, 13}, 3},
        {"four right reach the wall", &Game::MoveRight, 4, {18, 19, 20}, 4},
        {"a fifth right is refused unpainted", &Game::MoveRight, 5, {18, 19, 20}, 4},
    };
    for (const SlideCase& c : cases) {
        game.StartNewGame();
        host.calls.clear();
        for (int i = 0; i < c.times; ++i)
            (game.*c.move)();
        EXPECT_EQ(columns(), c.columns) << c.name;
        EXPECT_EQ(host.count("board"), c.paints) << c.name;
        EXPECT_EQ(pictureOf(game.Board())[9],
                  std::string(c.columns[0] - FirstColumn, '.') + "123" + std::string(LastColumn - c.columns[2], '.'))
            << c.name << ": the kinds keep their order and leave nothing behind";
    }
}

TEST_F(Moves, CyclingRotatesKindsLeftAndThreeCyclesRestoreThem)
{
    const char* expected[] = {"...231", "...312", "...123"};
    for (const char* row : expected) {
        game.CycleColours();
        EXPECT_EQ(pictureOf(game.Board())[9], std::string(row) + "....");
    }
    EXPECT_EQ(game.Piece()[0].kind, 1);
    EXPECT_EQ(host.count("board"), 3);
}

TEST_F(Moves, ASideMoveAgainstATakenCellStaysPutButRepaints)
{
    Cells()[13][LaunchRow] = 9;
    game.MoveLeft();
    EXPECT_EQ(columns(), (Ints{14, 15, 16}));
    EXPECT_EQ(host.count("board"), 1);
}

struct RefusedState {
    const char* name;
    void (*enter)(Game&, FakeHost&);
};

TEST_F(Moves, NothingIsDoneInFlightOrAfterTheEnd)
{
    const RefusedState states[] = {
        {"in flight", [](Game& g, FakeHost&) { g.Launch(), g.Boxupdate(); }},
        {"ended", [](Game& g, FakeHost& h) { cellsOf(g)[15][EntryRow] = 4, g.Launch(), h.fly(g); }},
    };
    for (const RefusedState& state : states) {
        game.StartNewGame();
        state.enter(game, host);
        ASSERT_TRUE(host.timerRunning || game.GameOver()) << state.name;
        const Board before = game.Board();
        const bool wasRunning = host.timerRunning;
        host.calls.clear();
        game.MoveLeft();
        game.MoveRight();
        game.CycleColours();
        game.Launch();
        EXPECT_EQ(game.Board(), before) << state.name;
        EXPECT_TRUE(host.calls.empty()) << state.name << ": no repaint, no timer start";
        EXPECT_EQ(host.timerRunning, wasRunning) << state.name;
    }
}

// A flight frozen by the options or high-score panel: block 1 has stopped
// under a stack while blocks 2 and 3 rose on.
class FrozenPiece : public GameFixture {
protected:
    FrozenPiece()
    {
        draw(Cells(), {"...7", "...8"});
        game.Launch();
        tick(8);
        game.FreezeFlight();
        host.calls.clear();
    }
};

TEST_F(FrozenPiece, MovesOverWhenEveryTargetIsFreeAndLeavesNoCopies)
{
    ASSERT_EQ(pieceRows(), (Ints{25, 26, 26}));
    game.MoveRight();
    EXPECT_EQ(columns(), (Ints{15, 16, 17}));
    EXPECT_EQ(pieceRows(), (Ints{25, 26, 26}));
    EXPECT_EQ(pictureOf(game.Board()),
              fullPicture({"...7", "...8.23", "....1"}));
    EXPECT_EQ(host.count("board"), 1);
}

TEST_F(FrozenPiece, StaysWhenAnyTargetHoldsAnotherBlock)
{
    const Board before = game.Board();
    game.MoveLeft();
    EXPECT_EQ(game.Board(), before);
    EXPECT_EQ(host.count("board"), 1);
}

TEST_F(FrozenPiece, LaunchResumesTheFlightWhereItStopped)
{
    game.Launch();
    EXPECT_EQ(host.fly(game), 2);
    EXPECT_EQ(pictureOf(game.Board())[0], "...723....");
    EXPECT_EQ(pictureOf(game.Board())[1], "...8......");
    EXPECT_EQ(pictureOf(game.Board())[2], "...1......");
}

TEST_F(Moves, ASecondLaunchDuringAFlightRestartsNothing)
{
    game.Launch();
    game.Boxupdate();
    game.Launch();
    EXPECT_EQ(host.count("start"), 1);
    EXPECT_EQ(pieceRows(), (Ints{19, 19, 19}));
}

} // namespace
} // namespace quorvel::testing
