#include "GameMessages.h"

#include "Unit1.h"
#include "WriteError.h"

namespace quorvel::ui {

// The texts belong to the main window, which asks every question, so they
// are translated in its name.
MessageText describe(GameMessage message)
{
    switch (message) {
    case GameMessage::NewGameQuestion:
        return {TForm1::tr("Are you sure?"), TForm1::tr("New game"), BoxButtons::YesNo};
    case GameMessage::LevelsQuestion:
        return {TForm1::tr("This will start a new game. Go ahead?"), TForm1::tr("Levels"), BoxButtons::YesNo};
    case GameMessage::GameOver:
        return {TForm1::tr("Game over"), TForm1::tr("Game"), BoxButtons::Ok};
    case GameMessage::ResultNoLongerInTable:
        return {TForm1::tr("That result no longer reaches the ten best."), TForm1::tr("Game"), BoxButtons::Ok};
    case GameMessage::SaveRefused:
        break;
    }
    // The program's name, which no language translates.
    return {persist::WriteError().message(), QStringLiteral("Quorvel"), BoxButtons::ErrorOk};
}

} // namespace quorvel::ui
