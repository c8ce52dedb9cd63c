#pragma once

#include <QFont>
#include <QLabel>

namespace quorvel::ui {

// Text from the player or the settings file is shown as typed, never as
// markup, and every label sizes itself to its text.
void showText(QLabel* label, const QString& text);

// What a label shows of a name from the settings file, which may be as long
// as the file allows: no more than its column could ever hold, so that
// laying it out costs no more than laying out a typed name. Characters are
// counted as the player sees them (grapheme clusters): each keeps at most 30
// combining marks or other code points after its first, as in Unicode's
// stream-safe text, and the whole stops at a few dozen characters.
QString shownName(const QString& name);

// Names, places and styles a label made by the caller, then shows `text`.
QLabel* placeLabel(QLabel* label, const char* objectName, QPoint at, const QFont& font, const QString& text);

} // namespace quorvel::ui
