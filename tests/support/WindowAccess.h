#pragma once

#include "ClientArea.h"
#include "RadioGroup.h"
#include "Unit1.h"
#include "Well.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTimer>

namespace quorvel::testing {

// What a test needs of the main window beyond what a player can see and do:
// the game it runs, the scores it holds, its message boxes answered by the
// test, and the timer's ticks given at once.
class WindowAccess {
public:
    static const Game& gameOf(const ui::TForm1& form) { return form.game_; }
    static const persist::ScoreTable& scoreTableOf(const ui::TForm1& form) { return form.scoreTable_; }
    static void answerBoxes(ui::TForm1& form, ui::TForm1::MessageBoxFunction answer)
    {
        form.messageBox_ = std::move(answer);
    }
    // One tick of Timer1, as the timer gives it.
    static void tick(ui::TForm1& form) { form.Boxupdate(); }
    // The engine's word that the game has ended, whatever the board.
    static void endGame(ui::TForm1& form) { static_cast<GameHost&>(form).GameEnded(); }
};

inline const Game& gameOf(const ui::TForm1& form) { return WindowAccess::gameOf(form); }
inline bool pieceInFlight(const ui::TForm1& form) { return gameOf(form).InFlight(); }

// A control of the window by its layout name; the test stops if there is none.
template <typename Control = QWidget>
Control* findControl(const QObject& form, const QString& name)
{
    auto* control = form.findChild<Control*>(name);
    if (!control)
        qFatal("no control named %s", qPrintable(name));
    return control;
}

// Line k (0 for the best) of the high-score panel's column `column`: "name",
// "level" or "score".
inline QLabel* scoreLabel(const QObject& form, const char* column, int k)
{
    return findControl<QLabel>(form, QLatin1String(column) + QString::number(k + 1));
}

// A menu command, a picture button or a panel's "Ok", as a click gives it.
inline void choose(const QObject& form, const QString& menuItem) { findControl<QAction>(form, menuItem)->trigger(); }
inline void click(const QObject& form, const QString& button) { findControl<QAbstractButton>(form, button)->click(); }

} // namespace quorvel::testing
