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
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionGroupBox>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;

namespace {

const QStringList Languages = {QString(), "cs", "de", "es", "fi", "fr", "hu", "it", "nl", "pl", "pt_BR", "ru", "sv"};

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
        const QWidget& parent = *control->parentWidget();
        const QString what = (control->objectName().isEmpty() ? parent.objectName() : control->objectName()) + " \"" + text + "\" ";
        if (needed > control->width())
            misfits << what + QStringLiteral("needs %1 px in %2").arg(needed).arg(control->width());
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

// A table showing each difficulty's name.
QByteArray tableOfEveryLevel()
{
    QByteArray file;
    for (int k = 1; k <= 10; ++k)
        file += "[Scoreline" + QByteArray::number(k) + "]\nName=Anonymous\nLevel=" +
                QByteArray::number(MinKindCount + k % 4) + "\nScore=" + QByteArray::number(1000000 - k) + "\n";
    return file;
}

// Shows the standard box and measures it as the player sees it.
QStringList boxMisfits(QWidget* window, const QString& text, const QString& caption, BoxButtons buttons)
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
        for (const QAbstractButton* button : box->buttons())
            if (neededWidth(*button, button->text()) > button->width())
                misfits << "the button \"" + button->text() + "\" is cut off";
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
};

void TextFitTest::initTestCase()
{
    for (const GameMessage message : EveryGameMessage)
        english_.push_back(describe(message));
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
    QTest::newRow("Finnish, then Swedish") << QStringList{"fi-FI", "sv-FI"} << none << "fi";
    QTest::newRow("an unknown language, then Dutch") << QStringList{"xx", "nl"} << none << "nl";
    QTest::newRow("Serbian, not spoken, then Russian") << QStringList{"sr-RS", "ru-RU"} << none << "ru";
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
    for (const QString& language : Languages)
        QTest::newRow(language.isEmpty() ? "en" : qPrintable(language)) << language;
}

void TextFitTest::textsFitTheirControls()
{
    QFETCH(QString, language);
    const Translations translations(language.isEmpty() ? QStringList{} : QStringList{language});
    QCOMPARE(translations.language(), language);
    WindowUnderTest window(1, tableOfEveryLevel());
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    // Qt's own buttons speak the language too.
    QCOMPARE(QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes).button(QMessageBox::Yes)->text() == "&Yes",
             language.isEmpty());

    QStringList misfits = menuMisfits(*form.menuBar());
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
    misfits << misfitsOf(*window.about());
    // The credits line keeps clear of the sphere and of the line below.
    const QLabel& credits = *findControl<QLabel>(*window.about(), "Label1");
    const QRect sphere = findControl<QWidget>(*window.about(), "Image1")->geometry();
    QVERIFY2(credits.geometry().right() + 16 < sphere.left() && credits.height() >= credits.heightForWidth(credits.width()) &&
                 credits.geometry().bottom() < findControl<QWidget>(*window.about(), "Label2")->y(),
             qPrintable(credits.text()));
    window.about()->hide();

    // Every box the game can show; in another language than English each
    // says it in that language, the program's name aside.
    for (size_t k = 0; k < std::size(EveryGameMessage); ++k) {
        const MessageText box = describe(EveryGameMessage[k]);
        misfits << boxMisfits(&form, box.text, box.caption, box.buttons);
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
