#include "Settings.h"

#include "Difficulty.h"
#include "FileLayout.h"
#include "ScoreLineFile.h"
#include "SettingsFile.h"

#include <algorithm>

namespace quorvel::persist {
namespace {

void WriteSetting(const char* key, int32_t value)
{
    ModifySettingsFile([&](IniDocument& document) { document.SetInteger(layout::SettingsSection, key, value); });
}

} // namespace

StartupSettings ReadStartup()
{
    const IniDocument document = ReadSettingsFile();
    StartupSettings settings;
    for (int k = 0; k < ScoreLineCount; ++k)
        settings.table[k] = ReadScoreLine(document, k + 1);
    settings.background = document.Integer(layout::SettingsSection, layout::BackgroundKey).value_or(layout::DefaultBackground);
    settings.blocks = document.Integer(layout::SettingsSection, layout::BlocksKey).value_or(DefaultKindCount);
    settings.playerName = TextOr(document, layout::SettingsSection, layout::PlayerNameKey, layout::DefaultPlayerName);
    return settings;
}

int ClampBackground(int index)
{
    return std::clamp(index, FirstBackground, LastBackground);
}

void WriteBackground(int index)
{
    WriteSetting(layout::BackgroundKey, ClampBackground(index));
}

void WriteBlocks(int kindCount)
{
    WriteSetting(layout::BlocksKey, ClampKindCount(kindCount));
}

void WritePlayerName(const QString& name)
{
    ModifySettingsFile([&](IniDocument& document) { SetText(document, layout::SettingsSection, layout::PlayerNameKey, name); });
}

} // namespace quorvel::persist
