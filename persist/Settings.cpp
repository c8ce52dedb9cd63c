#include "Settings.h"

#include "FileLayout.h"
#include "ScoreLineFile.h"
#include "SettingsFile.h"

#include <algorithm>
#include <array>

namespace quorvel::persist {
namespace {

constexpr std::array<const char*, WickedLevel - EasyLevel + 1> LevelNames = {"Easy", "Medium", "Hard", "Wicked"};

void WriteSetting(const char* key, int32_t value)
{
    ModifySettingsFile([&](IniDocument& document) { document.SetInteger(layout::SettingsSection, key, value); });
}

} // namespace

std::optional<QString> LevelName(int level)
{
    if (level < EasyLevel || level > WickedLevel)
        return std::nullopt;
    return QString::fromLatin1(LevelNames[level - EasyLevel]);
}

StartupSettings ReadStartup()
{
    const IniDocument document = ReadSettingsFile();
    StartupSettings settings;
    for (int k = 0; k < ScoreLineCount; ++k) {
        settings.lines[k] = ReadScoreLine(document, k + 1);
        settings.scores[k] = settings.lines[k].score;
    }
    settings.background = document.Integer(layout::SettingsSection, layout::BackgroundKey).value_or(layout::DefaultBackground);
    settings.blocks = document.Integer(layout::SettingsSection, layout::BlocksKey).value_or(layout::DefaultBlocks);
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
    WriteSetting(layout::BlocksKey, std::clamp(kindCount, EasyLevel, WickedLevel));
}

void WritePlayerName(const QString& name)
{
    ModifySettingsFile([&](IniDocument& document) { SetText(document, layout::SettingsSection, layout::PlayerNameKey, name); });
}

} // namespace quorvel::persist
