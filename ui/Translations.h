#pragma once

#include <QStringList>
#include <QTranslator>

namespace quorvel::ui {

// The game's texts, and Qt's own such as the name box's menu, in the first
// of the player's languages that the game speaks, installed while this
// lives. English is the language the texts are written in: it needs no
// translation, and a player who puts it before another language gets it.
class Translations {
public:
    explicit Translations(const QStringList& uiLanguages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language chosen, as its translation's file names it ("de",
    // "pt_BR"), or empty for English.
    QString language() const;

private:
    QTranslator game_;
    QTranslator qt_;
};

// The desktop's languages, most wanted first, from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, by the rules of GNU gettext. None in the C locale,
// which, as for every program translated with gettext, keeps the texts as
// they are written.
QStringList desktopLanguages();

} // namespace quorvel::ui
