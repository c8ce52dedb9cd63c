#pragma once

#include "MessageBoxes.h"

#include <QString>

namespace quorvel::ui {

// Every message box the game can show.
enum class GameMessage { NewGameQuestion, LevelsQuestion, GameOver, ResultNoLongerInTable, SaveRefused };

inline constexpr GameMessage EveryGameMessage[] = {
    GameMessage::NewGameQuestion, GameMessage::LevelsQuestion,    GameMessage::GameOver,
    GameMessage::ResultNoLongerInTable, GameMessage::SaveRefused,
};

// A box as the player reads it, in the player's language.
struct MessageText {
    QString text;
    QString caption;
    BoxButtons buttons;
};

MessageText describe(GameMessage message);

} // namespace quorvel::ui
