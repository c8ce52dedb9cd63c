#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvel::persist {

inline constexpr int ScoreLineCount = 10;

struct ScoreEntry {
    QString name;
    int level = 0;
    int32_t score = 0;

    bool operator==(const ScoreEntry&) const = default;
};

// The ten lines, line 1 (the best) first, as last read or written.
using ScoreTable = std::array<ScoreEntry, ScoreLineCount>;

// A finished game's result waiting to enter the table.
struct GameResult {
    int level = 0;
    int32_t score = 0;
};

// A result enters the table only by beating line 10; a tie does not. Results
// still waiting to be entered count as lines already, since they go in first.
bool qualifiesForTable(const ScoreTable& table, int32_t score, std::span<const GameResult> waiting = {});

// Enters a result into the table as one all-or-nothing save: the whole table
// is read afresh from the file under the lock, so that results another copy
// of the game entered meanwhile keep their names and scores; all eleven
// entries are sorted and the best ten rewrite every line of the file. The
// table is then what was written. On WriteError the table and the file are
// as they were.
void InsertResult(ScoreTable& table, const QString& name, int level, int32_t score);

// Enters several results under one name as one save, as InsertResult enters
// one. Results are taken in the order given, each settling below every line
// and every earlier result it only ties. Says for each result, in the order
// given, whether it is among the ten lines written: one that qualified when
// its game ended may have been pushed off since by results another copy of
// the game entered.
std::vector<bool> insertResults(ScoreTable& table, const QString& name, std::span<const GameResult> results);

} // namespace quorvel::persist
