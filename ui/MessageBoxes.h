#pragma once

#include <QString>

class QWidget;

namespace quorvel::ui {

enum class BoxButtons { Ok, YesNo, ErrorOk };
enum class BoxAnswer { Ok, Yes, No };

// The desktop's plain message box, modal, with the first button as default.
// It is wide enough for the title bar to show its caption whole, and its
// title bar offers no minimise or maximise.
BoxAnswer standardMessageBox(QWidget* window, const QString& text, const QString& caption, BoxButtons buttons);

} // namespace quorvel::ui
