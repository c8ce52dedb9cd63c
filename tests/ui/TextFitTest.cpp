// The window's layout is fixed in pixels, so a translation that runs longer
// than its control is cut off or runs into its neighbour. Every text is
// measured in every language the game speaks, as the window shows it.
#include "WindowAccess.h"
#include "GameMessages.h"
#include "LevelNames.h"
#include "MessageBoxes.h"
#include "Translations.h"
#include "WindowUnderTest.h"

#include <QDir>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <QTextLayout>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;

namespace {

// English, then every translation the build holds.
const QStringList Languages = QStringList{QString()} + QStringLiteral(QUORVEL_LANGUAGES).split(' ');

// The help box's credits line has one line of this width.
constexpr int CreditsWidth = 183;
// How far the columns of the help box's key lines may stray from each other:
// the English lines, padded for another face, stray 5 pixels in ours.
constexpr int KeyColumnSpread = 6;

// Whether each character of `text` is drawn from the face or from one the
// desktop falls back on, rather than as the empty box of a missing glyph.
bool drawnWhole(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0))
            return false;
    return true;
}

// The room a text takes in its control: its advance in the control's font,
// with the radio indicator or the push button's margins and frame.
int neededWidth(const QWidget& control, const QString& text)
{
    const auto* label = qobject_cast<const QLabel*>(&control);
    const int advance = label && label->wordWrap()
                            ? control.fontMetrics().boundingRect(control.rect(), Qt::TextWordWrap, text).width()
                            : control.fontMetrics().size(Qt::TextShowMnemonic, text).width();
    const QStyle& style = *control.style();
    if (qobject_cast<const QRadioButton*>(&control))
        return advance + style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &control) +
               style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &control);
    if (qobject_cast<const QPushButton*>(&control))
        return advance + 2 * (style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control) +
                              style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control));
    return advance;
}

QString shownText(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

// Where the text lies in the parent, from the control's left edge.
QRect textArea(const QWidget& control, int needed)
{
    if (qobject_cast<const QPushButton*>(&control))
        return control.geometry();
    return QRect(control.pos(), QSize(needed, control.height()));
}

// Each shown text of `top` that is cut off by its control or its parent, or
// runs into a control beside it that it does not lie on.
QStringList misfitsOf(const QWidget& top)
{
    QStringList misfits;
    for (const QWidget* control : top.findChildren<QWidget*>()) {
        const QString text = shownText(*control);
        if (text.isEmpty() || !control->isVisibleTo(&top))
            continue;
        const int needed = neededWidth(*control, text);
        const QRect area = textArea(*control, needed);
        const auto* label = qobject_cast<const QLabel*>(control);
        const QWidget& parent = *control->parentWidget();
        const QString what = (control->objectName().isEmpty() ? parent.objectName() : control->objectName()) + " \"" + text + "\" ";
        if (needed > control->width())
            misfits << what + QStringLiteral("needs %1 px in %2").arg(needed).arg(control->width());
        if (!drawnWhole(control->font(), text))
            misfits << what + "has characters no face on the desktop draws";
        if (control->isRightToLeft() != QGuiApplication::isRightToLeft() ||
            (label && !(QStyle::visualAlignment(label->layoutDirection(), label->alignment()) &
                        (label->isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft))))
            misfits << what + "does not read in the language's direction";
        if (!parent.contentsRect().contains(area))
            misfits << what + QStringLiteral("leaves its parent %1").arg(parent.objectName());
        for (const QWidget* beside : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (beside != control && beside->isVisibleTo(&top) && !beside->geometry().contains(control->pos()) &&
                beside->geometry().intersects(area))
                misfits << what + "runs into " + beside->objectName();
    }
    for (const QGroupBox* group : top.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        if (title.width() < group->fontMetrics().horizontalAdvance(group->title()) || !group->rect().contains(title))
            misfits << group->objectName() + " \"" + group->title() + "\" is cut off";
    }
    return misfits;
}

QStringList menuMisfits(const QMenuBar& bar)
{
    QStringList misfits;
    for (QAction* item : bar.actions()) {
        const QRect shown = bar.actionGeometry(item);
        if (shown.isEmpty() || shown.right() >= bar.width() ||
            shown.width() < bar.fontMetrics().size(Qt::TextShowMnemonic, item->text()).width())
            misfits << item->objectName() + " \"" + item->text() + "\" is not shown whole";
    }
    return misfits;
}

// Where each named control of the window's client area and of the help box
// lies in its parent; a label, which sizes itself to its text, by its top
// left corner only.
QMap<QString, QRect> placesOf(WindowUnderTest& window)
{
    QMap<QString, QRect> places;
    for (const QWidget* top : {findControl<QWidget>(*window.form, "client"), static_cast<QWidget*>(window.about())})
        for (const QWidget* control : top->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(?!qt_).")))) {
            places[control->parentWidget()->objectName() + '/' + control->objectName()] =
                qobject_cast<const QLabel*>(control) ? QRect(control->pos(), QSize()) : control->geometry();
        }
    return places;
}

// The help box's key lines are as wide as each other, and their runs of
// spaces line their words up in columns from where each line begins.
QStringList keyColumnMisfits(const QWidget& about)
{
    QStringList misfits;
    QList<int> first, last;
    for (const char* name : {"Label6", "Label7", "Label8", "Label9"}) {
        const QLabel& line = *findControl<QLabel>(about, name);
        QList<int> starts;
        for (const QRegularExpressionMatch& gap : QRegularExpression(QStringLiteral(" {2,}")).globalMatch(line.text()))
            starts << line.fontMetrics().horizontalAdvance(line.text().left(gap.capturedEnd()));
        if (line.width() != findControl<QLabel>(about, "Label6")->width() || (!first.isEmpty() && starts.size() != first.size()))
            return misfits << QString::fromLatin1(name) + " is not in the key lines' column";
        first = first.isEmpty() ? starts : first;
        last = last.isEmpty() ? starts : last;
        for (qsizetype k = 0; k < starts.size(); ++k) {
            first[k] = std::min(first[k], starts[k]);
            last[k] = std::max(last[k], starts[k]);
        }
    }
    for (qsizetype k = 0; k < first.size(); ++k)
        if (last[k] - first[k] > KeyColumnSpread)
            misfits << QStringLiteral("the key lines' column %1 strays over %2 px").arg(k + 2).arg(last[k] - first[k]);
    return misfits;
}

// A table showing each difficulty's name.
QByteArray tableOfEveryLevel()
{
    QByteArray file;
    for (int k = 1; k <= 10; ++k)
        file += "[Scoreline" + QByteArray::number(k) + "]\nName=Anonymous\nLevel=" +
                QByteArray::number(MinKindCount + k % 4) + "\nScore=" + QByteArray::number(1000000 - k) + "\n";
    return file;
}

// Shows the standard box and measures it as the player sees it; in another
// language than English its "Yes" speaks that language.
QStringList boxMisfits(QWidget* window, const QString& text, const QString& caption, BoxButtons buttons, bool translated)
{
    QStringList misfits;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            misfits << "no box for \"" + text + "\"";
            return;
        }
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const QRect room = label->contentsRect();
        if (!room.contains(label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text)))
            misfits << "\"" + text + "\" is cut off in its box";
        for (const QAbstractButton* button : box->buttons()) {
            if (neededWidth(*button, button->text()) > button->width())
                misfits << "the button \"" + button->text() + "\" is cut off";
            if (!drawnWhole(button->font(), button->text()))
                misfits << "the button \"" + button->text() + "\" has characters no face draws";
        }
        if (translated && box->button(QMessageBox::Yes) && box->button(QMessageBox::Yes)->text() == "&Yes")
            misfits << "the button \"&Yes\" is not translated";
        if (!drawnWhole(label->font(), text) || box->isRightToLeft() != QGuiApplication::isRightToLeft())
            misfits << "\"" + text + "\" is not drawn whole in the language's direction";
        if (box->frameGeometry().width() > box->screen()->availableGeometry().width())
            misfits << "the box \"" + caption + "\" is wider than the screen";
        box->done(QMessageBox::No);
    });
    standardMessageBox(window, text, caption, buttons);
    return misfits;
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    // Read before any translation is installed.
    void initTestCase();
    void everyLanguageIsBuiltIn();
    void languageFollowsTheDesktop_data();
    void languageFollowsTheDesktop();
    void textsFitTheirControls_data();
    void textsFitTheirControls();

private:
    std::vector<MessageText> english_;
    QMap<QString, QRect> englishPlaces_;
};

void TextFitTest::initTestCase()
{
    for (const GameMessage message : EveryGameMessage)
        english_.push_back(describe(message));
    WindowUnderTest window;
    englishPlaces_ = placesOf(window);
}

void TextFitTest::everyLanguageIsBuiltIn()
{
    QStringList builtIn;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList())
        builtIn << file.section('_', 1).section('.', 0, 0);
    QCOMPARE(builtIn, Languages.mid(1));
}

void TextFitTest::languageFollowsTheDesktop_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QByteArrayList>("environment");
    QTest::addColumn<QString>("chosen");
    const QByteArrayList none;
    QTest::newRow("German") << QStringList{"de-DE", "de"} << none << "de";
    QTest::newRow("Canadian French") << QStringList{"fr-CA"} << none << "fr";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << none << "pt_BR";
    QTest::newRow("an unknown language, then Dutch") << QStringList{"xx", "nl"} << none << "nl";
    QTest::newRow("Serbian, not spoken, then Russian") << QStringList{"sr-RS", "ru-RU"} << none << "ru";
    QTest::newRow("Chinese of Hong Kong, written as Taiwan's") << QStringList{"zh-HK"} << none << "zh_TW";
    QTest::newRow("Chinese of Singapore, written as China's") << QStringList{"zh-SG"} << none << "zh_CN";
    QTest::newRow("Portuguese of Portugal, written as Brazil's") << QStringList{"pt-PT"} << none << "pt_BR";
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << none << "";
    QTest::newRow("the C locale") << QStringList{"C"} << none << "";
    QTest::newRow("none") << QStringList{} << none << "";
    // The variables as a desktop session sets them, read as the game starts.
    const auto fromEnvironment = [](const char* row, const QByteArrayList& environment, const QString& chosen) {
        QTest::newRow(row) << QStringList() << environment << chosen;
    };
    fromEnvironment("LANG alone", {"LANG=de_DE.UTF-8"}, "de");
    fromEnvironment("an unknown language, then French", {"LANG=en_US.UTF-8", "LANGUAGE=zz:fr"}, "fr");
    fromEnvironment("an empty entry, then French, before LANG", {"LANG=de_DE.UTF-8", "LANGUAGE=:fr"}, "fr");
    fromEnvironment("LC_ALL before LANG", {"LANG=de_DE.UTF-8", "LC_ALL=ru_RU.UTF-8"}, "ru");
    fromEnvironment("LANG in Hong Kong", {"LANG=zh_HK.UTF-8"}, "zh_TW");
    fromEnvironment("LC_MESSAGES before LANG", {"LANG=de_DE.UTF-8", "LC_MESSAGES=it_IT"}, "it");
    fromEnvironment("LANGUAGE ignored in the C locale", {"LANG=C", "LANGUAGE=fr"}, "");
    fromEnvironment("LANGUAGE ignored with no locale", {"LANGUAGE=fr"}, "");
    fromEnvironment("C.UTF-8 is the C locale", {"LC_ALL=C.UTF-8", "LANG=de_DE.UTF-8"}, "");
}

void TextFitTest::languageFollowsTheDesktop()
{
    QFETCH(QStringList, desktop);
    QFETCH(QByteArrayList, environment);
    QFETCH(QString, chosen);
    const QByteArrayList variables{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QList<QByteArray> saved;
    for (const QByteArray& variable : variables) {
        saved << qgetenv(variable);
        qunsetenv(variable);
    }
    for (const QByteArray& setting : environment)
        qputenv(setting.left(setting.indexOf('=')), setting.mid(setting.indexOf('=') + 1));
    if (!environment.isEmpty())
        desktop = desktopLanguages();
    for (int k = 0; k < variables.size(); ++k)
        saved[k].isNull() ? qunsetenv(variables[k]) : qputenv(variables[k], saved[k]);
    const Translations translations(desktop);
    QCOMPARE(translations.language(), chosen);
    QCOMPARE(LevelName(MaxKindCount) == QStringLiteral("Wicked"), chosen.isEmpty());
}

void TextFitTest::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("rightToLeft");
    for (const QString& language : Languages)
        QTest::newRow(language.isEmpty() ? "en" : qPrintable(language))
            << language << (QLocale(language).textDirection() == Qt::RightToLeft);
    // The window laid out right to left, whatever language is read in it.
    QTest::newRow("en, laid out right to left") << QString() << true;
}

void TextFitTest::textsFitTheirControls()
{
    QFETCH(QString, language);
    QFETCH(bool, rightToLeft);
    const Translations translations(language.isEmpty() ? QStringList{} : QStringList{language});
    QCOMPARE(translations.language(), language);
    // Arabic and Hebrew turn the layout as their translations say.
    if (language.isEmpty() && rightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto leftToRightAgain = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto); });
    QCOMPARE(QGuiApplication::isRightToLeft(), rightToLeft);
    WindowUnderTest window(1, tableOfEveryLevel());
    TForm1& form = *window.form;
    QVERIFY(window.showActive());

    // Every control where the English window has it, in either direction.
    QStringList misfits = menuMisfits(*form.menuBar());
    if (placesOf(window) != englishPlaces_)
        misfits << "the controls are not where the English window has them";
    auto* levels = findControl<RadioGroup>(form, "Blocksgroup");
    // Each difficulty on the level plate; a new game closes the panels.
    for (int level = 0; level < 4; ++level) {
        levels->setItemIndex(level);
        for (const char* panel : {"Panel1", "Scorepanel", "overpanel"})
            findControl<QWidget>(form, panel)->show();
        QVERIFY(!form.grab().isNull());
        misfits << misfitsOf(form);
    }
    window.about()->show();
    QVERIFY(!window.about()->grab().isNull());
    misfits << misfitsOf(*window.about()) << keyColumnMisfits(*window.about());
    // The credits line is one line in its place, clear of the sphere.
    const QLabel& credits = *findControl<QLabel>(*window.about(), "Label1");
    const int creditsNeeds = credits.fontMetrics().size(0, credits.text()).width();
    if (credits.wordWrap() || credits.text().contains('\n') || creditsNeeds > CreditsWidth)
        misfits << "the credits line \"" + credits.text() + "\" needs " + QString::number(creditsNeeds) + " px";
    window.about()->hide();

    // Every box the game can show; in another language than English each
    // says it in that language, the program's name aside.
    for (size_t k = 0; k < std::size(EveryGameMessage); ++k) {
        const MessageText box = describe(EveryGameMessage[k]);
        misfits << boxMisfits(&form, box.text, box.caption, box.buttons, !language.isEmpty());
        const MessageText& english = english_[k];
        if (!language.isEmpty() && (box.text == english.text || (box.caption == english.caption &&
                                                                   box.caption != QStringLiteral("Quorvel"))))
            misfits << "the box \"" + english.text + "\" (\"" + english.caption + "\") is not translated";
    }
    misfits.removeDuplicates();
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join('\n')));
}

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
