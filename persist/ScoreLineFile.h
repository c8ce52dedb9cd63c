#pragma once

#include "HighScores.h"
#include "IniDocument.h"

namespace quorvel::persist {

// Line numbers run from 1, as in the file; a missing key gives that key's
// default for the line.
ScoreEntry readScoreLine(const IniDocument& document, int line);

// Writes "Name", "Level" and "Score" in that order.
void writeScoreLine(IniDocument& document, int line, const ScoreEntry& entry);

} // namespace quorvel::persist
