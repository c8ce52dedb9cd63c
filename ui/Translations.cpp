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
        if (locale.language() != QLocale::C &&
            game_.load(locale, QStringLiteral("quorvel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
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

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

QString Translations::language() const
{
    return QFileInfo(game_.filePath()).completeBaseName().section(QLatin1Char('_'), 1);
}

QStringList DesktopLanguages()
{
    const QLocale desktop = QLocale::system();
    if (desktop.language() == QLocale::C)
        return {};
    return desktop.uiLanguages();
}

} // namespace quorvel::ui
