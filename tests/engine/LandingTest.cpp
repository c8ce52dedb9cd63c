#include "BoardText.h"
#include "CaseNames.h"
#include "Landing.h"

#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

struct LandingCase {
    const char* name;
    int kindCount;
    Picture before;
    Picture after;
    int32_t points;
    int lastStep = 0; // the step of the chain that clears last
};

const LandingCase LandingCases[] = {
    {"horizontal three; the same kind below it survives", 6,
     {"111.......", "1........."},
     {"1........."}, 3},
    {"vertical four; the block below rises to the block above", 7,
     {"2", "1", "1", "1", "1", "3"},
     {"2", "3"}, 8},
    {"rising diagonal of five", 9,
     {"....1", "...1", "..1", ".1", "1"},
     {}, 20},
    {"falling diagonal of three among other kinds", 8,
     {"1.2", "21.", "3.1"},
     {"2.2", "3.."}, 9},
    {"runs of two never vanish", 9,
     {"11.22.33", "44.55.66"},
     {"11.22.33", "44.55.66"}, 0},
    {"crossing runs score each shared block once", 6,
     {"111", ".1.", ".1."},
     {}, 5},
    {"a run of six vanishes whole and no neighbour with it", 7,
     {"2222223", "3"},
     {"3.....3"}, 12},
    {"kinds above the difficulty are never matched", 6,
     {"777", "111"},
     {"777"}, 3},
    {"settling closes gaps upwards and keeps each column's order", 6,
     {"1.....", "..2", ".", "2.3", ".", "3.4", "..", "4.5"},
     {"1.2", "2.3", "3.4", "4.5"}, 0},
    {"settling forms a new line that vanishes in the same landing", 6,
     {"221", "..1", "..1", "..2"},
     {}, 6, 1},
    {"two rounds of chains", 7,
     {"3321", "..21", "..21", "..32", "...3"},
     {"...2", "...3"}, 18, 1},
    {"a chain of three steps: a column, then a row, then a row beside it", 6,
     {"22133", "451", "..1", "..2", "..3"},
     {"45"}, 9, 2},
    {"a chain of four steps", 7,
     {"221336", "45166", "..1", "..2", "..3"},
     {"45"}, 24, 3},
};

void PrintTo(const LandingCase& c, std::ostream* out) { *out << c.name; }

class Landing : public ::testing::TestWithParam<LandingCase> {};

TEST_P(Landing, ClearsScoresAndSettles)
{
    const LandingCase& c = GetParam();
    Board board = boardFrom(c.before);
    MarkGrid marks{};
    Board told = board;
    Clearing cleared;
    const int32_t points = ResolveLanding(board, marks, c.kindCount);
    EXPECT_EQ(pictureOf(board), fullPicture(c.after));
    EXPECT_EQ(points, c.points);
    // Told what vanishes, the landing ends the same; it names each block once,
    // with the kind it had, steps in order.
    EXPECT_EQ(ResolveLanding(told, marks, c.kindCount, cleared), points);
    EXPECT_EQ(pictureOf(told), pictureOf(board));
    EXPECT_EQ(cleared.points, points);
    EXPECT_EQ(int32_t(cleared.blocks.size()) * PointsPerBlock(c.kindCount), points);
    for (const ClearedBlock& block : cleared.blocks)
        EXPECT_TRUE(IsBlock(block.kind) && InPlayArea(block.column, block.row));
    if (!cleared.blocks.empty()) {
        EXPECT_EQ(cleared.blocks.front().step, 0);
        EXPECT_EQ(cleared.blocks.back().step, c.lastStep);
        EXPECT_EQ(boardFrom(c.before)[cleared.blocks.front().column][cleared.blocks.front().row], cleared.blocks.front().kind);
    }
    for (int col = FirstColumn; col <= LastColumn; ++col)
        for (int row = LaunchRow; row <= TopRow; ++row)
            ASSERT_EQ(marks[col][row], 0);
    // Replayed from the board before each step, the step's clears and rises
    // lead to the board before the next one, and the last to the end.
    ASSERT_EQ(int(cleared.boards.size()), cleared.blocks.empty() ? 0 : c.lastStep + 1);
    for (size_t step = 0; step < cleared.boards.size(); ++step) {
        Board replayed = boardFrom({});
        for (int col = FirstColumn; col <= LastColumn; ++col)
            for (int row = LaunchRow; row <= TopRow; ++row)
                replayed[col][row] = cleared.boards[step][col - FirstColumn][row - LaunchRow];
        for (const ClearedBlock& block : cleared.blocks)
            if (block.step == int(step)) {
                EXPECT_EQ(replayed[block.column][block.row], block.kind);
                replayed[block.column][block.row] = Empty;
            }
        const Board settled = replayed;
        for (const RisenBlock& rise : cleared.rises)
            if (rise.step == int(step)) {
                EXPECT_GT(rise.toRow, rise.fromRow);
                EXPECT_EQ(settled[rise.column][rise.fromRow], rise.kind);
                replayed[rise.column][rise.fromRow] = Empty;
            }
        for (const RisenBlock& rise : cleared.rises)
            if (rise.step == int(step))
                replayed[rise.column][rise.toRow] = rise.kind;
        Board next = board;
        if (step + 1 < cleared.boards.size())
            for (int col = FirstColumn; col <= LastColumn; ++col)
                for (int row = LaunchRow; row <= TopRow; ++row)
                    next[col][row] = cleared.boards[step + 1][col - FirstColumn][row - LaunchRow];
        EXPECT_EQ(pictureOf(replayed), pictureOf(next)) << "after step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Landing, ::testing::ValuesIn(LandingCases), CaseName());

// Every orientation and length, at every difficulty, anywhere a run fits.
TEST(LandingRuns, EveryOrientationLengthAndPlace)
{
    const int steps[][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (int kindCount = MinKindCount; kindCount <= MaxKindCount; ++kindCount) {
        for (const auto& step : steps) {
            for (int length = 3; length <= 5; ++length) {
                for (int c = FirstColumn; c <= LastColumn; ++c) {
                    for (int r = LaunchRow; r <= TopRow; ++r) {
                        const int endColumn = c + step[0] * (length - 1);
                        const int endRow = r + step[1] * (length - 1);
                        if (!InPlayArea(endColumn, endRow))
                            continue;
                        Board board = boardFrom({});
                        for (int i = 0; i < length; ++i)
                            board[c + step[0] * i][r + step[1] * i] = kindCount;
                        MarkGrid marks{};
                        ASSERT_EQ(ResolveLanding(board, marks, kindCount), length * (kindCount - 5));
                        ASSERT_EQ(pictureOf(board), fullPicture({}));
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace quorvel::testing
