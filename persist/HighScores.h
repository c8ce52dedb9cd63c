#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvel::persist {

inline constexpr int ScoreLineCount = 10;

// The score column of the table, line 1 first, as last read or written; the
// qualification test compares with it.
using ScoreTable = std::array<int32_t, ScoreLineCount>;

struct ScoreEntry {
    QString name;
    int level = 0;
    int32_t score = 0;
};

using ScoreLines = std::array<ScoreEntry, ScoreLineCount>;

// A result enters the table only by beating line 10; a tie does not.
bool Qualifies(const ScoreTable& table, int32_t score);

// Enters a result into the table as one all-or-nothing save: the whole table
// is read afresh from the file under the lock, so that results another copy
// of the game entered meanwhile keep their names and scores; all eleven
// entries are sorted and the best ten rewrite every line of the file. The
// table and the returned lines to show are what was written. On WriteError
// the table and the file are as they were.
ScoreLines InsertResult(ScoreTable& table, const QString& name, int level, int32_t score);

// A finished game's result waiting to enter the table.
struct GameResult {
    int level = 0;
    int32_t score = 0;
};

struct EnteredResults {
    ScoreLines lines;
    // For each result, in the order given: whether it is among the ten lines
    // written. One that qualified when its game ended may have been pushed
    // off since by results another copy of the game entered.
    std::vector<bool> entered;
};

// Enters several results under one name as one save, as InsertResult enters
// one. Results are taken in the order given, each settling below every line
// and every earlier result it only ties.
EnteredResults InsertResults(ScoreTable& table, const QString& name, std::span<const GameResult> results);

} // namespace quorvel::persist
