#pragma once

#include <QValidator>

namespace quorvel::ui {

// Holds a name to at most `characters` characters as the player sees them:
// grapheme clusters, so that an accented letter typed as a letter and its
// accent, an emoji or a flag each count once. A name never holds half of a
// surrogate pair, nor more code points than the settings file keeps of a
// value, so that it reads back exactly as it was typed.
class NameValidator final : public QValidator {
    Q_OBJECT

public:
    NameValidator(int characters, QObject* parent) : QValidator(parent), characters_(characters) {}

    State validate(QString& text, int& position) const override;

private:
    int characters_;
};

} // namespace quorvel::ui
