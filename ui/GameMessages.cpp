#include "GameMessages.h"

#include "WriteError.h"

#include <QCoreApplication>

namespace quorvel::ui {

namespace {

// The texts belong to the main window, which asks every question, so they
// are translated in its name, beside its own texts.
struct WindowText {
    Q_DECLARE_TR_FUNCTIONS(quorvel::ui::TForm1)
};

} // namespace

MessageText describe(GameMessage message)
{
    switch (message) {
    case GameMessage::NewGameQuestion:
        return {WindowText::tr("Are you sure?"), WindowText::tr("New game"), BoxButtons::YesNo};
    case GameMessage::LevelsQuestion:
        return {WindowText::tr("This will start a new game. Go ahead?"), WindowText::tr("Levels"), BoxButtons::YesNo};
    case GameMessage::GameOver:
        return {WindowText::tr("Game over"), WindowText::tr("Game"), BoxButtons::Ok};
    case GameMessage::ResultNoLongerInTable:
        return {WindowText::tr("That result no longer reaches the ten best."), WindowText::tr("Game"), BoxButtons::Ok};
    case GameMessage::SaveRefused:
        break;
    }
    // The program's name, which no language translates.
    return {persist::WriteError().message(), QStringLiteral("Quorvel"), BoxButtons::ErrorOk};
}

} // namespace quorvel::ui
