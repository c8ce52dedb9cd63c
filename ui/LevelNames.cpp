#include "LevelNames.h"

#include "Difficulty.h"

#include <array>

namespace quorvel::ui {
namespace {

constexpr std::array<const char*, MaxKindCount - MinKindCount + 1> Names = {"Easy", "Medium", "Hard", "Wicked"};

} // namespace

std::optional<QString> LevelName(int kindCount)
{
    if (kindCount < MinKindCount || kindCount > MaxKindCount)
        return std::nullopt;
    return QString::fromLatin1(Names[kindCount - MinKindCount]);
}

QStringList LevelNames()
{
    QStringList names;
    for (const char* name : Names)
        names << QString::fromLatin1(name);
    return names;
}

} // namespace quorvel::ui
