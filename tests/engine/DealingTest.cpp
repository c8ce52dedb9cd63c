#include "BoardText.h"
#include "FakeHost.h"
#include "GameFixture.h"
#include "Game.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel::testing {
namespace {

// The cells outside the play area that any deal or reset ever writes lie
// well inside this square; a block there would be a fault.
void expectNoBlockOutsidePlayArea(const Game& game)
{
    for (int c = 0; c < GridSize; ++c)
        for (int r = 0; r < GridSize; ++r)
            if (!InPlayArea(c, r)) {
                ASSERT_TRUE(game.Cell(c, r) == Empty || game.Cell(c, r) == Floor) << c << "," << r;
            }
}

TEST(Dealing, ATrioOfThreeEqualKindsIsDealtAgain)
{
    FakeHost host;
    // 0, 0, 0 would be three kind-1 blocks; 6 and 12 give kind 1 as well at
    // Easy. The fourth trio is the first that may stand.
    Game game(host, std::make_unique<ScriptedRandom>(std::vector<uint32_t>{0, 0, 0, 6, 12, 0, 5, 5, 3, 1, 1, 1, 2, 2, 4}));
    game.SetKindCount(6);
    game.StartNewGame();
    EXPECT_EQ(game.Piece()[0].kind, 6);
    EXPECT_EQ(game.Piece()[1].kind, 6);
    EXPECT_EQ(game.Piece()[2].kind, 4);
    EXPECT_EQ(game.NextPiece(), (NextPiece{3, 3, 5}));
}

TEST(Dealing, KindsStayWithinTheDifficultyAndPairsDoOccur)
{
    for (int kindCount = MinKindCount; kindCount <= MaxKindCount; ++kindCount) {
        FakeHost host;
        Game game(host, std::make_unique<UnbrokenRandom>(kindCount));
        game.SetKindCount(kindCount);
        std::set<BlockKind> seen;
        int pairs = 0;
        for (int deal = 0; deal < 2000; ++deal) {
            game.StartNewGame();
            for (const NextPiece& trio : {NextPiece{game.Piece()[0].kind, game.Piece()[1].kind, game.Piece()[2].kind}, game.NextPiece()}) {
                ASSERT_FALSE(trio[0] == trio[1] && trio[1] == trio[2]);
                pairs += trio[0] == trio[1] || trio[1] == trio[2] || trio[0] == trio[2];
                for (BlockKind kind : trio) {
                    ASSERT_GE(kind, 1);
                    ASSERT_LE(kind, kindCount);
                    seen.insert(kind);
                }
            }
        }
        EXPECT_EQ(static_cast<int>(seen.size()), kindCount);
        EXPECT_GT(pairs, 0);
    }
}

TEST(Dealing, DifficultyOutsideEasyToWickedIsHeldInRange)
{
    const std::pair<int, int> cases[] = {{-3, 6}, {0, 6}, {5, 6}, {6, 6}, {9, 9}, {10, 9}, {1000, 9}};
    for (const auto& [given, held] : cases) {
        FakeHost host;
        Game game(host);
        game.SetKindCount(given);
        EXPECT_EQ(game.KindCount(), held) << given;
    }
}

TEST(NewGame, LeavesOnlyTheFreshPieceWaitingInTheLaunchRow)
{
    FakeHost host;
    Game game(host, std::make_unique<FixedSeedRandom>(7));
    game.PrepareStartUp();
    GameFixture::cellsOf(game)[12][25] = 3;
    GameFixture::cellsOf(game)[20][27] = 1;
    game.Launch();
    host.calls.clear();

    game.StartNewGame();

    const Piece& p = game.Piece();
    EXPECT_EQ(pictureOf(game.Board()),
              fullPicture({".........", ".........", ".........", ".........", ".........", ".........", ".........",
                           ".........", ".........",
                           "..." + std::string{char('0' + p[0].kind), char('0' + p[1].kind), char('0' + p[2].kind)}}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p[i].column, 14 + i);
        EXPECT_EQ(p[i].row, 18);
    }
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(host.shownScore, 0);
    EXPECT_FALSE(game.GameOver());
    EXPECT_FALSE(host.timerRunning);
    EXPECT_EQ(host.count("new game"), 1);
    EXPECT_EQ(host.calls.back(), "board");
    expectNoBlockOutsidePlayArea(game);
}

TEST(NewGame, StartUpPreparationPaintsNothingAndBuildsTheFloorFrame)
{
    FakeHost host;
    Game game(host);
    game.PrepareStartUp();
    EXPECT_EQ(host.count("board"), 0);
    EXPECT_FALSE(game.GameOver());
    EXPECT_FALSE(host.timerRunning);
    for (int c = FirstColumn; c <= LastColumn; ++c)
        EXPECT_EQ(game.Cell(c, FloorRow), Floor);
    EXPECT_EQ(game.Cell(10, 29), Floor);
    EXPECT_EQ(game.Cell(22, 17), Floor);
    expectNoBlockOutsidePlayArea(game);
}

TEST(NewGame, ReseedingFromAFixedSeedDealsTheSameGameAgain)
{
    FakeHost host;
    Game game(host, std::make_unique<FixedSeedRandom>(42));
    game.StartNewGame();
    const Piece first = game.Piece();
    const NextPiece next = game.NextPiece();
    game.MoveLeft();
    game.StartNewGame();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(game.Piece()[i].kind, first[i].kind);
    EXPECT_EQ(game.NextPiece(), next);
}

} // namespace
} // namespace quorvel::testing
