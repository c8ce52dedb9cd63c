#include "ScoreLineFile.h"

#include "FileLayout.h"
#include "SettingsFile.h"

namespace quorvel::persist {

ScoreEntry ReadScoreLine(const IniDocument& document, int line)
{
    const std::string section = layout::ScoreLineSection(line);
    return {
        TextOr(document, section, layout::NameKey, layout::DefaultLineName),
        document.Integer(section, layout::LevelKey).value_or(layout::DefaultLineLevel),
        document.Integer(section, layout::ScoreKey).value_or(layout::DefaultLineScore(line)),
    };
}

void WriteScoreLine(IniDocument& document, int line, const ScoreEntry& entry)
{
    const std::string section = layout::ScoreLineSection(line);
    SetText(document, section, layout::NameKey, entry.name);
    document.SetInteger(section, layout::LevelKey, entry.level);
    document.SetInteger(section, layout::ScoreKey, entry.score);
}

} // namespace quorvel::persist
