#include "Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace quorvel::ui {
namespace {

// Qt lays its widgets out right to left when the translations installed
// answer "RTL" to this text of its own. Each of the game's answers it, so that
// Arabic and Hebrew read right to left also where Qt's translations are not
// installed; only lupdate reads it here.
struct SourceText {
    const char* source;
    const char* comment;
};
[[maybe_unused]] constexpr SourceText LayoutDirection =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
                       "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

} // namespace

// The game's translations are built into the program, so it finds them
// wherever it runs from. A language of a country without a translation of
// its own takes the one in the same script: Chinese of Hong Kong reads the
// traditional characters of Taiwan's, Chinese of Singapore the simplified
// ones of China's.
Translations::Translations(const QStringList& uiLanguages)
{
    const auto load = [this](const QLocale& locale) {
        return game_.load(locale, QStringLiteral("quorvel"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    };
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return;
        // An unknown name comes back as the C locale: it says nothing.
        if (locale.language() != QLocale::C &&
            (load(locale) || load(QLocale(locale.language(), locale.script(), QLocale::AnyTerritory))))
            break;
    }
    if (game_.isEmpty())
        return;
    // Qt's own come with Qt's translation package; without it the name box's
    // menu stays in English. The game's, installed last, are asked first:
    // their word on the layout's direction holds.
    if (qt_.load(QLocale(language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&game_);
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
