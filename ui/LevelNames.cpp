#include "LevelNames.h"

#include "Difficulty.h"

#include <QCoreApplication>

#include <array>

namespace quorvel::ui {
namespace {

// Translated only where they are shown: the file holds the numbers.
constexpr std::array<const char*, MaxKindCount - MinKindCount + 1> Names = {
    QT_TRANSLATE_NOOP("LevelNames", "Easy"), QT_TRANSLATE_NOOP("LevelNames", "Medium"),
    QT_TRANSLATE_NOOP("LevelNames", "Hard"), QT_TRANSLATE_NOOP("LevelNames", "Wicked")};

} // namespace

std::optional<QString> LevelName(int kindCount)
{
    if (kindCount < MinKindCount || kindCount > MaxKindCount)
        return std::nullopt;
    return QCoreApplication::translate("LevelNames", Names[kindCount - MinKindCount]);
}

QStringList levelNames()
{
    QStringList names;
    for (const char* name : Names)
        names << QCoreApplication::translate("LevelNames", name);
    return names;
}

} // namespace quorvel::ui
