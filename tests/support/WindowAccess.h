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
    static const Game& GameOf(const ui::TForm1& form) { return form.game_; }
    static const persist::ScoreTable& ScoreTableOf(const ui::TForm1& form) { return form.scoreTable_; }
    static void AnswerBoxes(ui::TForm1& form, ui::TForm1::MessageBoxFunction answer)
    {
        form.messageBox_ = std::move(answer);
    }
    // One tick of Timer1, as the timer gives it.
    static void Tick(ui::TForm1& form) { form.Boxupdate(); }
    // The burst over cleared blocks, on or off; the game plays the same.
    static void ShowClearEffect(ui::TForm1& form, bool on) { form.well->effectOn_ = on; }
    // The engine's word that the game has ended, whatever the board.
    static void EndGame(ui::TForm1& form) { static_cast<GameHost&>(form).GameEnded(); }
};

inline const Game& GameOf(const ui::TForm1& form) { return WindowAccess::GameOf(form); }
inline bool InFlight(const ui::TForm1& form) { return GameOf(form).InFlight(); }

// A control of the window by its layout name; the test stops if there is none.
template <typename Control = QWidget>
Control* Find(const QObject& form, const QString& name)
{
    auto* control = form.findChild<Control*>(name);
    if (!control)
        qFatal("no control named %s", qPrintable(name));
    return control;
}

// Line k (0 for the best) of the high-score panel's column `column`: "name",
// "level" or "score".
inline QLabel* ScoreLabel(const QObject& form, const char* column, int k)
{
    return Find<QLabel>(form, QLatin1String(column) + QString::number(k + 1));
}

// A menu command, a picture button or a panel's "Ok", as a click gives it.
inline void Choose(const QObject& form, const QString& menuItem) { Find<QAction>(form, menuItem)->trigger(); }
inline void Click(const QObject& form, const QString& button) { Find<QAbstractButton>(form, button)->click(); }

} // namespace quorvel::testing
