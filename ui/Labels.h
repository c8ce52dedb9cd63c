#pragma once

#include <QFont>
#include <QLabel>

namespace quorvel::ui {

// Text from the player or the settings file is shown as typed, never as
// markup, and every label sizes itself to its text.
void ShowText(QLabel* label, const QString& text);

// Names, places and styles a label made by the caller, then shows `text`.
QLabel* PlaceLabel(QLabel* label, const char* objectName, QPoint at, const QFont& font, const QString& text);

} // namespace quorvel::ui
