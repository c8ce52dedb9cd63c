#include "ScoreLineFile.h"

#include "FileLayout.h"
#include "SettingsFile.h"

namespace quorvel::persist {

ScoreEntry readScoreLine(const IniDocument& document, int line)
{
    const std::string section = layout::scoreLineSection(line);
    return {
        textOr(document, section, layout::NameKey, layout::DefaultLineName),
        document.integer(section, layout::LevelKey).value_or(layout::DefaultLineLevel),
        document.integer(section, layout::ScoreKey).value_or(layout::defaultLineScore(line)),
    };
}

void writeScoreLine(IniDocument& document, int line, const ScoreEntry& entry)
{
    const std::string section = layout::scoreLineSection(line);
    setText(document, section, layout::NameKey, entry.name);
    document.setInteger(section, layout::LevelKey, entry.level);
    document.setInteger(section, layout::ScoreKey, entry.score);
}

} // namespace quorvel::persist
