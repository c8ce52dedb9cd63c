#include "HighScores.h"

#include "ScoreLineFile.h"
#include "SettingsFile.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace quorvel::persist {
namespace {

// A line of the table, or the result with this index among those entered.
struct Candidate {
    ScoreEntry entry;
    std::optional<std::size_t> result;
};

// A stable sort never reorders equal scores, so a new result settles below
// every line it only ties, and a hand-edited file that was out of order
// comes out fully sorted.
void sortByScore(std::vector<Candidate>& list)
{
    std::stable_sort(list.begin(), list.end(),
                     [](const Candidate& a, const Candidate& b) { return a.entry.score > b.entry.score; });
}

} // namespace

bool qualifiesForTable(const ScoreTable& table, int32_t score, std::span<const GameResult> waiting)
{
    std::vector<int32_t> scores;
    for (const ScoreEntry& line : table)
        scores.push_back(line.score);
    for (const GameResult& result : waiting)
        scores.push_back(result.score);
    // Line 10 as held, even out of order, and line 10 once the waiting ones
    // are in.
    const auto line10 = scores.begin() + (ScoreLineCount - 1);
    std::nth_element(scores.begin(), line10, scores.end(), std::greater<>());
    return score > std::max(table.back().score, *line10);
}

void InsertResult(ScoreTable& table, const QString& name, int level, int32_t score)
{
    const GameResult result{level, score};
    insertResults(table, name, {&result, 1});
}

std::vector<bool> insertResults(ScoreTable& table, const QString& name, std::span<const GameResult> results)
{
    std::vector<Candidate> working;
    modifySettingsFile([&](IniDocument& document) {
        working.clear();
        for (int k = 0; k < ScoreLineCount; ++k)
            working.push_back({readScoreLine(document, k + 1), std::nullopt});
        for (std::size_t i = 0; i < results.size(); ++i)
            working.push_back({{name, results[i].level, results[i].score}, i});
        sortByScore(working);
        for (int k = 0; k < ScoreLineCount; ++k)
            writeScoreLine(document, k + 1, working[k].entry);
    });
    std::vector<bool> entered(results.size(), false);
    for (int k = 0; k < ScoreLineCount; ++k) {
        if (working[k].result)
            entered[*working[k].result] = true;
        table[k] = std::move(working[k].entry);
    }
    return entered;
}

} // namespace quorvel::persist
