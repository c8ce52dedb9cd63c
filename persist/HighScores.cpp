#include "HighScores.h"

#include "ScoreLineFile.h"
#include "SettingsFile.h"

#include <algorithm>

namespace quorvel::persist {
namespace {

// The ten lines and, in the last place, the result being entered.
using WorkingList = std::array<ScoreEntry, ScoreLineCount + 1>;

// A stable sort keeps equal scores in their order, so a new result settles
// below every line it only ties, and a hand-edited file that was out of
// order comes out fully sorted.
void SortByScore(WorkingList& list)
{
    std::stable_sort(list.begin(), list.end(), [](const ScoreEntry& a, const ScoreEntry& b) { return a.score > b.score; });
}

} // namespace

bool Qualifies(const ScoreTable& table, int32_t score)
{
    return score > table.back().score;
}

void InsertResult(ScoreTable& table, const QString& name, int level, int32_t score)
{
    WorkingList working;
    ModifySettingsFile([&](IniDocument& document) {
        for (int k = 0; k < ScoreLineCount; ++k)
            working[k] = ReadScoreLine(document, k + 1);
        working.back() = {name, level, score};
        SortByScore(working);
        for (int k = 0; k < ScoreLineCount; ++k)
            WriteScoreLine(document, k + 1, working[k]);
    });
    std::move(working.begin(), working.begin() + ScoreLineCount, table.begin());
}

} // namespace quorvel::persist
