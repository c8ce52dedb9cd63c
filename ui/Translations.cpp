#include "Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace quorvel::ui {

// The game's translations are built into the program, so it finds them
// wherever it runs from.
Translations::Translations(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return;
        // An unknown name comes back as the C locale: it says nothing.
        if (locale.language() == QLocale::C)
            continue;
        // A region without a translation of its own reads the language as
        // it is written in the same script elsewhere: Hong Kong's Chinese
        // as Taiwan's, Singapore's as mainland China's.
        if (loadGame(locale) || loadGame(QLocale(locale.language(), locale.script(), QLocale::AnyTerritory)))
            break;
    }
    if (game_.isEmpty())
        return;
    QCoreApplication::installTranslator(&game_);
    // Qt's own come with Qt's translation package; without it the buttons of
    // the message boxes stay in English.
    if (qt_.load(QLocale(language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

bool Translations::loadGame(const QLocale& locale)
{
    return game_.load(locale, QStringLiteral("quorvel"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

QString Translations::language() const
{
    return QFileInfo(game_.filePath()).completeBaseName().section(QLatin1Char('_'), 1);
}

namespace {

// The locale whose language the C library's messages follow: the first of
// LC_ALL, LC_MESSAGES and LANG that is set.
QString messagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool isCLocale(const QString& locale)
{
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

} // namespace

// As gettext reads them: LANGUAGE, a list separated by colons whose empty
// entries say nothing, stands before the locale's own language, except in
// the C locale, where texts stay as they are written whatever it lists.
QStringList desktopLanguages()
{
    const QString locale = messagesLocale();
    if (isCLocale(locale))
        return {};
    const QStringList listed = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return listed.isEmpty() ? QStringList{locale} : listed;
}

} // namespace quorvel::ui
