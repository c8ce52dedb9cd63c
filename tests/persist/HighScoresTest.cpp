#include "ConfigHome.h"
#include "HighScores.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace quorvel::persist::testing {
namespace {

using HighScoresTest = ConfigHomeTest;

struct Line {
    const char* name;
    int level;
    int32_t score;
};
using Lines = std::array<Line, ScoreLineCount>;

constexpr std::array<int32_t, ScoreLineCount> DefaultScores = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};

Lines defaultLinesWith(int position, Line entered)
{
    Lines lines;
    for (int k = 0, from = 0; k < ScoreLineCount; ++k)
        lines[k] = k == position ? entered : Line{"Bobby", 6, DefaultScores[from++]};
    return lines;
}

void expectLines(const ScoreTable& shown, const Lines& expected)
{
    for (int k = 0; k < ScoreLineCount; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(shown[k].name, QString::fromUtf8(expected[k].name));
        EXPECT_EQ(shown[k].level, expected[k].level);
        EXPECT_EQ(shown[k].score, expected[k].score);
    }
}

ScoreTable tableOf(const Lines& lines)
{
    ScoreTable table;
    for (int k = 0; k < ScoreLineCount; ++k)
        table[k] = {QString::fromUtf8(lines[k].name), lines[k].level, lines[k].score};
    return table;
}

const ScoreTable DefaultTable = tableOf(defaultLinesWith(-1, {}));

std::string fileOf(const Lines& lines)
{
    std::string file;
    for (int k = 0; k < ScoreLineCount; ++k)
        file += "[Scoreline" + std::to_string(k + 1) + "]\nName=" + lines[k].name + "\nLevel=" + std::to_string(lines[k].level) +
                "\nScore=" + std::to_string(lines[k].score) + "\n";
    return file;
}

// The table and a fresh read of the file must agree.
void expectInsertion(ScoreTable table, const Line& result, const Lines& expected)
{
    InsertResult(table, QString::fromUtf8(result.name), result.level, result.score);
    expectLines(table, expected);
    expectLines(readStartup().table, expected);
}

TEST(Qualifies, OnlyAScoreAboveLineTenEntersTheTable)
{
    ScoreTable lowest = DefaultTable;
    lowest.back().score = INT_MIN;
    const std::tuple<ScoreTable, int32_t, bool> cases[] = {
        {DefaultTable, 10, false}, {DefaultTable, 11, true}, {DefaultTable, 0, false}, {DefaultTable, -5, false},
        {lowest, INT_MIN, false}, {lowest, INT_MIN + 1, true},
    };
    for (const auto& [table, score, qualifies] : cases)
        EXPECT_EQ(qualifiesForTable(table, score), qualifies) << score;
    // A result still waiting to go in pushes line 10 off before this one.
    const GameResult waiting[] = {{7, 20}};
    EXPECT_FALSE(qualifiesForTable(DefaultTable, 20, waiting));
    EXPECT_TRUE(qualifiesForTable(DefaultTable, 21, waiting));
}

TEST_F(HighScoresTest, ResultsTakeTheirPlaceInTheDefaultTable)
{
    const struct {
        Line result;
        int position;
    } cases[] = {
        {{"Ann", 8, 11}, 9},
        {{"Ann", 7, 55}, 5},
        {{"Ann", 9, 100}, 1},
        {{"Ann", 6, 101}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result.score);
        writeSettingsFile("");
        expectInsertion(DefaultTable, c.result, defaultLinesWith(c.position, c.result));
    }
}

TEST_F(HighScoresTest, FirstInsertionWritesAllTenLinesAndKeepsTheRestOfTheFile)
{
    const std::string before = "; Quorvel\r\n[Settings]\r\nName=Ann\r\n";
    writeSettingsFile(before);
    ScoreTable table = DefaultTable;
    InsertResult(table, "Ann", 8, 11);
    std::string expected;
    for (int k = 0; k < ScoreLineCount; ++k) {
        const bool entered = k == ScoreLineCount - 1;
        expected += "\r\n[Scoreline" + std::to_string(k + 1) + "]\r\nName=" + (entered ? "Ann" : "Bobby") + "\r\nLevel=" +
                    (entered ? "8" : "6") + "\r\nScore=" + std::to_string(table[k].score) + "\r\n";
    }
    EXPECT_EQ(settingsFileBytes(), before + expected);
}

TEST_F(HighScoresTest, ResultSettlesBelowEveryEqualScore)
{
    const Lines file = {{{"A", 6, 100}, {"B", 7, 50}, {"C", 8, 50}, {"D", 9, 50}, {"E", 6, 40}, {"F", 6, 30},
        {"G", 6, 20}, {"H", 6, 10}, {"I", 6, 5}, {"J", 6, 1}}};
    writeSettingsFile(fileOf(file));
    const Lines expected = {{{"A", 6, 100}, {"B", 7, 50}, {"C", 8, 50}, {"D", 9, 50}, {"New", 7, 50}, {"E", 6, 40},
        {"F", 6, 30}, {"G", 6, 20}, {"H", 6, 10}, {"I", 6, 5}}};
    expectInsertion(tableOf(file), {"New", 7, 50}, expected);
}

TEST_F(HighScoresTest, AHandEditedTableOutOfOrderIsShownAsReadAndSortedByTheNextInsertion)
{
    const Lines file = {{{"A", 6, 10}, {"B", 7, 100}, {"C", 8, 20}, {"D", 9, 90}, {"E", 6, 30}, {"F", 7, 80},
        {"G", 8, 40}, {"H", 9, 70}, {"I", 6, 60}, {"J", 7, 50}}};
    writeSettingsFile(fileOf(file));
    const StartupSettings startup = readStartup();
    expectLines(startup.table, file);
    EXPECT_FALSE(qualifiesForTable(startup.table, 50));
    EXPECT_TRUE(qualifiesForTable(startup.table, 55));
    const Lines expected = {{{"B", 7, 100}, {"D", 9, 90}, {"F", 7, 80}, {"H", 9, 70}, {"I", 6, 60}, {"New", 9, 55},
        {"J", 7, 50}, {"G", 8, 40}, {"E", 6, 30}, {"C", 8, 20}}};
    expectInsertion(startup.table, {"New", 9, 55}, expected);
}

TEST_F(HighScoresTest, TheWholeTableComesFromTheFileAsItIsNow)
{
    writeSettingsFile("");
    const ScoreTable table = readStartup().table;
    Lines changed;
    for (int k = 0; k < ScoreLineCount; ++k)
        changed[k] = {"Zed", 9, 1000 - k};
    writeSettingsFile(fileOf(changed) + "[Scoreline2]\nName=Shadowed\n");
    Lines expected;
    expected[0] = {"Ann", 7, 5000};
    for (int k = 1; k < ScoreLineCount; ++k)
        expected[k] = changed[k - 1];
    expectInsertion(table, {"Ann", 7, 5000}, expected);
}

// Two copies of the game, each with the table it read at start-up.
TEST_F(HighScoresTest, ResultsFromTwoCopiesBothLandWithTheirOwnScores)
{
    writeSettingsFile("");
    ScoreTable first = readStartup().table;
    ScoreTable second = first;
    InsertResult(first, "Alice", 7, 500);
    Lines expected = defaultLinesWith(0, {"Alice", 7, 500});
    expected[1] = {"Bert", 8, 300};
    for (int k = 2; k < ScoreLineCount; ++k)
        expected[k] = {"Bobby", 6, DefaultScores[k - 2]};
    expectInsertion(second, {"Bert", 8, 300}, expected);
}

TEST_F(HighScoresTest, MissingNamesAndLevelsTakeTheirDefaults)
{
    writeSettingsFile("[Scoreline3]\nName=Cy\n[Scoreline4]\nLevel=9\n");
    Lines expected = defaultLinesWith(9, {"Ann", 8, 12});
    expected[2].name = "Cy";
    expected[3].level = 9;
    expectInsertion(DefaultTable, {"Ann", 8, 12}, expected);
}

TEST_F(HighScoresTest, AnEmptyNameIsEnteredAsEmpty)
{
    ScoreTable table = DefaultTable;
    InsertResult(table, "", 6, 95);
    EXPECT_EQ(table[1].name, "");
    EXPECT_EQ(readStartup().table[1].name, "");
    EXPECT_NE(settingsFileBytes()->find("[Scoreline2]\nName=\nLevel=6\nScore=95\n"), std::string::npos);
}

// Every game that ended while the name entry was open enters with the one
// name confirmed; each result says whether it made the ten best, since
// another copy may have pushed it off meanwhile.
TEST_F(HighScoresTest, SeveralResultsEnterTogetherAndEachSaysWhetherItMadeTheTable)
{
    Lines high;
    for (int k = 0; k < ScoreLineCount; ++k)
        high[k] = {"Zed", 9, 1000 - 10 * k};
    const Lines highWithAnn = {{high[0], high[1], high[2], high[3], high[4], {"Ann", 8, 955}, high[5], {"Ann", 7, 950},
        high[6], high[7]}};
    const struct {
        const char* title;
        Lines file;
        std::vector<GameResult> results;
        std::vector<bool> entered;
        Lines expected;
    } cases[] = {
        {"both qualify", defaultLinesWith(-1, {}), {{8, 55}, {9, 25}}, {true, true},
            {{{"Bobby", 6, 100}, {"Bobby", 6, 90}, {"Bobby", 6, 80}, {"Bobby", 6, 70}, {"Bobby", 6, 60}, {"Ann", 8, 55},
              {"Bobby", 6, 50}, {"Bobby", 6, 40}, {"Bobby", 6, 30}, {"Ann", 9, 25}}}},
        {"equal results keep their order below the line they tie", defaultLinesWith(-1, {}), {{6, 60}, {7, 60}}, {true, true},
            {{{"Bobby", 6, 100}, {"Bobby", 6, 90}, {"Bobby", 6, 80}, {"Bobby", 6, 70}, {"Bobby", 6, 60}, {"Ann", 6, 60},
              {"Ann", 7, 60}, {"Bobby", 6, 50}, {"Bobby", 6, 40}, {"Bobby", 6, 30}}}},
        {"the second pushed off by the first", defaultLinesWith(-1, {}), {{8, 95}, {9, 11}}, {true, false},
            defaultLinesWith(1, {"Ann", 8, 95})},
        {"pushed off by another copy", high, {{7, 500}}, {false}, high},
        {"one of two pushed off by another copy", high, {{7, 950}, {7, 10}, {8, 955}}, {true, false, true}, highWithAnn},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        writeSettingsFile(fileOf(c.file));
        ScoreTable table = DefaultTable;
        EXPECT_EQ(insertResults(table, "Ann", c.results), c.entered);
        expectLines(table, c.expected);
        expectLines(readStartup().table, c.expected);
    }
}

} // namespace
} // namespace quorvel::persist::testing
