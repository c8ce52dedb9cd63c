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
     {}, 6},
    {"two rounds of chains", 7,
     {"3321", "..21", "..21", "..32", "...3"},
     {"...2", "...3"}, 18},
    {"a chain of three steps: a column, then a row, then a row beside it", 6,
     {"22133", "451", "..1", "..2", "..3"},
     {"45"}, 9},
    {"a chain of four steps", 7,
     {"221336", "45166", "..1", "..2", "..3"},
     {"45"}, 24},
};

void PrintTo(const LandingCase& c, std::ostream* out) { *out << c.name; }

class Landing : public ::testing::TestWithParam<LandingCase> {};

TEST_P(Landing, ClearsScoresAndSettles)
{
    const LandingCase& c = GetParam();
    Board board = boardFrom(c.before);
    MarkGrid marks{};
    const int32_t points = ResolveLanding(board, marks, c.kindCount);
    EXPECT_EQ(pictureOf(board), fullPicture(c.after));
    EXPECT_EQ(points, c.points);
    for (int col = FirstColumn; col <= LastColumn; ++col)
        for (int row = LaunchRow; row <= TopRow; ++row)
            ASSERT_EQ(marks[col][row], 0);
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
