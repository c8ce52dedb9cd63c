#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace quorvel::persist {

inline constexpr int ScoreLineCount = 10;

// The score column of the table, line 1 first. Only the scores live in
// memory; names and levels are read from the file when they are needed.
using ScoreTable = std::array<int32_t, ScoreLineCount>;

struct ScoreEntry {
    QString name;
    int level = 0;
    int32_t score = 0;
};

using ScoreLines = std::array<ScoreEntry, ScoreLineCount>;

// A result enters the table only by beating line 10; a tie does not.
bool Qualifies(const ScoreTable& table, int32_t score);

// Enters a result into the table as one all-or-nothing save: the names and
// levels are read afresh from the file, the scores come from the table, all
// eleven entries are sorted and the best ten rewrite every line of the file.
// Returns the lines to show. On WriteError the table and the file are as
// they were.
ScoreLines InsertResult(ScoreTable& table, const QString& name, int level, int32_t score);

} // namespace quorvel::persist
