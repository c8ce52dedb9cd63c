#include "Settings.h"

#include "Difficulty.h"
#include "FileLayout.h"
#include "ScoreLineFile.h"
#include "SettingsFile.h"

#include <algorithm>

namespace quorvel::persist {
namespace {

void writeSetting(const char* key, int32_t value)
{
    modifySettingsFile([&](IniDocument& document) { document.setInteger(layout::SettingsSection, key, value); });
}

} // namespace

StartupSettings readStartup()
{
    const IniDocument document = readSettingsFile();
    StartupSettings settings;
    for (int k = 0; k < ScoreLineCount; ++k)
        settings.table[k] = readScoreLine(document, k + 1);
    settings.background = document.integer(layout::SettingsSection, layout::BackgroundKey).value_or(layout::DefaultBackground);
    settings.blocks = document.integer(layout::SettingsSection, layout::BlocksKey).value_or(DefaultKindCount);
    settings.playerName = textOr(document, layout::SettingsSection, layout::PlayerNameKey, layout::DefaultPlayerName);
    return settings;
}

int clampBackground(int index)
{
    return std::clamp(index, FirstBackground, LastBackground);
}

void writeBackground(int index)
{
    writeSetting(layout::BackgroundKey, clampBackground(index));
}

void writeBlocks(int kindCount)
{
    writeSetting(layout::BlocksKey, ClampKindCount(kindCount));
}

void writePlayerName(const QString& name)
{
    modifySettingsFile([&](IniDocument& document) { setText(document, layout::SettingsSection, layout::PlayerNameKey, name); });
}

} // namespace quorvel::persist
