#include "BoardText.h"
#include "Landing.h"
#include "LiteralResolution.h"
#include "PlayBoards.h"
#include "RandomBoards.h"

#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

// The engine's quick landing against the rules worked out literally, pass by
// pass, on many random boards: every difficulty, sparse to full, settled or
// not.
TEST(Differential, EngineLandingMatchesTheLiteralRulesOnRandomBoards)
{
    std::mt19937 random(20261207);
    const double densities[] = {0.15, 0.4, 0.7, 0.9, 1.0};
    int boards = 0;
    int withChains = 0;
    for (int kindCount = MinKindCount; kindCount <= MaxKindCount; ++kindCount) {
        for (const double density : densities) {
            for (const bool hanging : {true, false}) {
                for (int i = 0; i < 600; ++i, ++boards) {
                    const Board start = RandomBoard(random, kindCount, density, hanging);
                    Board literal = start;
                    Board engine = start;
                    MarkGrid literalMarks{};
                    MarkGrid engineMarks{};
                    const int32_t expected = reference::LiteralResolveLanding(literal, literalMarks, kindCount);
                    const int32_t got = ResolveLanding(engine, engineMarks, kindCount);
                    ASSERT_EQ(got, expected) << "board " << boards;
                    ASSERT_EQ(engine, literal) << "board " << boards << "\n"
                                               << ::testing::PrintToString(pictureOf(start));
                    MarkGrid first{};
                    withChains += expected > reference::LiteralMarkRuns(start, first, kindCount) * (kindCount - 5);
                }
            }
        }
    }
    EXPECT_EQ(boards, 24000);
    EXPECT_GT(withChains, 1000) << "the boards must exercise chains, not only single clears";
}

// The same on the boards met at the landings of games the engine played,
// which the benchmarks replay as play.
TEST(Differential, EngineLandingMatchesTheLiteralRulesOnRecordedPlay)
{
    const std::vector<PlayBoard> recorded = ReadPlayBoards(QUORVEL_PLAY_BOARDS);
    ASSERT_GE(recorded.size(), 500u);
    int clearing = 0;
    for (size_t i = 0; i < recorded.size(); ++i) {
        Board literal = recorded[i].board;
        Board engine = recorded[i].board;
        MarkGrid literalMarks{};
        MarkGrid engineMarks{};
        const int32_t expected = reference::LiteralResolveLanding(literal, literalMarks, recorded[i].kindCount);
        ASSERT_EQ(ResolveLanding(engine, engineMarks, recorded[i].kindCount), expected) << "board " << i;
        ASSERT_EQ(engine, literal) << "board " << i;
        clearing += expected > 0;
    }
    EXPECT_GT(clearing, 0) << "some landings in play clear lines";
}

} // namespace
} // namespace quorvel::testing
