#include "HighScores.h"

#include "ScoreLineFile.h"
#include "SettingsFile.h"

#include <utility>

namespace quorvel::persist {
namespace {

// The ten lines and, in the last place, the result being entered.
using WorkingList = std::array<ScoreEntry, ScoreLineCount + 1>;

// Adjacent exchanges with a strict test never swap equal scores, so a new
// result settles below every line it only ties, and a hand-edited file that
// was out of order comes out fully sorted.
void SortByScore(WorkingList& list)
{
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::size_t c = 1; c < list.size(); ++c)
            if (list[c - 1].score < list[c].score) {
                std::swap(list[c - 1], list[c]);
                exchanged = true;
            }
    }
}

} // namespace

bool Qualifies(const ScoreTable& table, int32_t score)
{
    return score > table.back();
}

ScoreLines InsertResult(ScoreTable& table, const QString& name, int level, int32_t score)
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
    ScoreLines shown;
    for (int k = 0; k < ScoreLineCount; ++k) {
        table[k] = working[k].score;
        shown[k] = std::move(working[k]);
    }
    return shown;
}

} // namespace quorvel::persist
