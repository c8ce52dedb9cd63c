// The keyboard as a player uses it: every key goes into the window and on to
// the control that has the focus, every click onto the control clicked.
#include "WindowAccess.h"
#include "DxButton.h"
#include "MessageBoxes.h"
#include "RadioGroup.h"
#include "WindowUnderTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace quorvel;
using namespace quorvel::ui;
using namespace quorvel::testing;
using quorvel::testing::WindowUnderTest;

namespace {

QByteArray everyLineScores(int32_t score)
{
    return scoreTableFile([score](int) { return score; });
}

// Lines of the table that hold a result rather than the -1 they started with.
int results(const TForm1& form)
{
    return int(std::count_if(WindowAccess::scoreTableOf(form).begin(), WindowAccess::scoreTableOf(form).end(), [](const persist::ScoreEntry& line) { return line.score != -1; }));
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void nameEntryEntersItsResultOnce_data();
    void nameEntryEntersItsResultOnce();
    void hiddenDifficultyListTakesNoKeys_data();
    void hiddenDifficultyListTakesNoKeys();
    void enterClosesThePanelsEscapeDoesNot_data();
    void enterClosesThePanelsEscapeDoesNot();
    void helpBoxClosesByOkAndEnterOnly_data();
    void helpBoxClosesByOkAndEnterOnly();
    void onlyWhatThePlayerSeesTakesKeys_data();
    void onlyWhatThePlayerSeesTakesKeys();
    void messageBoxesShowTheirCaptionWhole();
};

void KeyboardTest::nameEntryEntersItsResultOnce_data()
{
    QTest::addColumn<bool>("clickOk");
    QTest::newRow("Enter in the name box") << false;
    QTest::newRow("click on Ok") << true;
}

void KeyboardTest::nameEntryEntersItsResultOnce()
{
    QFETCH(bool, clickOk);
    WindowUnderTest window(1, everyLineScores(-1));
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    window.playToTheEndWithKeys(3);
    QVERIFY(findControl<QWidget>(form, "overpanel")->isVisible());

    QTest::mouseClick(findControl<QLineEdit>(form, "Playersname"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), findControl<QLineEdit>(form, "Playersname"));
    window.press(Qt::Key_A, Qt::ControlModifier);
    window.type(QStringLiteral("Ada"));
    if (clickOk)
        QTest::mouseClick(findControl<QWidget>(form, "dxButton3"), Qt::LeftButton);
    else
        window.press(Qt::Key_Return);
    QVERIFY(!findControl<QWidget>(form, "overpanel")->isVisible());
    QCOMPARE(scoreLabel(form, "name", 0)->text(), QStringLiteral("Ada"));

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Return, Qt::Key_Space})
        window.press(key);
    QCOMPARE(results(form), 1);
    QCOMPARE(QApplication::focusWidget(), &form);
}

void KeyboardTest::hiddenDifficultyListTakesNoKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Down") << int(Qt::Key_Down);
    QTest::newRow("Up") << int(Qt::Key_Up);
    QTest::newRow("Left") << int(Qt::Key_Left);
    QTest::newRow("Right") << int(Qt::Key_Right);
}

void KeyboardTest::hiddenDifficultyListTakesNoKeys()
{
    QFETCH(int, key);
    WindowUnderTest window;
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    window.playToTheEndWithKeys(3);
    window.chooseMenu(findControl<QAction>(form, "Options1"));
    const size_t boxesBefore = window.boxes.size();
    window.clickItem(findControl<ui::RadioGroup>(form, "Blocksgroup"), QStringLiteral("Hard"));
    QCOMPARE(window.boxes.size(), boxesBefore);
    QCOMPARE(gameOf(form).KindCount(), 8);
    QVERIFY(!findControl<QWidget>(form, "Panel1")->isVisible());

    window.press(Qt::Key(key));
    QCOMPARE(window.boxes.size(), boxesBefore);
    QCOMPARE(gameOf(form).KindCount(), 8);
    QCOMPARE(findControl<ui::RadioGroup>(form, "Blocksgroup")->itemIndex(), 2);
    QCOMPARE(QApplication::focusWidget(), &form);
    // The key still steers the new game.
    QCOMPARE(gameOf(form).Piece()[0].column, key == Qt::Key_Left ? 13 : key == Qt::Key_Right ? 15 : 14);
    QCOMPARE(pieceInFlight(form), key == Qt::Key_Up);
}

void KeyboardTest::enterClosesThePanelsEscapeDoesNot_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("stillOpen");
    QTest::newRow("Enter on the options Ok") << "options" << int(Qt::Key_Return) << "Ok" << "";
    QTest::newRow("keypad Enter on the high-score Ok") << "scores" << int(Qt::Key_Enter) << "Ok" << "";
    // Escape is no key of the game's: every panel stays until its "Ok".
    QTest::newRow("Escape, options") << "options" << int(Qt::Key_Escape) << "" << "Panel1";
    QTest::newRow("Escape on the options Ok") << "options" << int(Qt::Key_Escape) << "Ok" << "Panel1";
    QTest::newRow("Escape, high scores") << "scores" << int(Qt::Key_Escape) << "" << "Scorepanel";
    QTest::newRow("Escape on the high-score Ok") << "scores" << int(Qt::Key_Escape) << "Ok" << "Scorepanel";
    QTest::newRow("Escape, both") << "both" << int(Qt::Key_Escape) << "" << "Panel1 Scorepanel";
    QTest::newRow("Escape, name entry stays") << "name" << int(Qt::Key_Escape) << "" << "overpanel";
    QTest::newRow("Escape in the name box") << "name" << int(Qt::Key_Escape) << "Playersname" << "overpanel";
    QTest::newRow("Enter on the window presses nothing") << "options" << int(Qt::Key_Return) << "" << "Panel1";
    // Ctrl+Q closes the whole window, whatever has the focus.
    QTest::newRow("Ctrl+Q on the window") << "" << int(Qt::Key_Q) << "" << "window";
    QTest::newRow("Ctrl+Q in the name box") << "name" << int(Qt::Key_Q) << "Playersname" << "window";
    QTest::newRow("Ctrl+Q on the options Ok") << "options" << int(Qt::Key_Q) << "Ok" << "window";
    QTest::newRow("Ctrl+Q on the high-score Ok") << "scores" << int(Qt::Key_Q) << "Ok" << "window";
}

void KeyboardTest::enterClosesThePanelsEscapeDoesNot()
{
    QFETCH(QString, open);
    QFETCH(int, key);
    QFETCH(QString, focus);
    QFETCH(QString, stillOpen);
    const bool tabToOk = focus == "Ok";
    WindowUnderTest window(1, everyLineScores(-1));
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    if (open == "options" || open == "both")
        window.chooseMenu(findControl<QAction>(form, "Options1"));
    if (open == "scores")
        window.chooseMenu(findControl<QAction>(form, "HighScores1"));
    if (open == "name" || open == "both")
        window.playToTheEndWithKeys(3);
    if (open == "both")
        QTest::mouseClick(findControl<QWidget>(form, "dxButton3"), Qt::LeftButton);
    for (int i = 0; tabToOk && i < 20 && !qobject_cast<QPushButton*>(QApplication::focusWidget()); ++i)
        window.press(Qt::Key_Tab);
    if (focus == "Playersname")
        QTest::mouseClick(findControl<QLineEdit>(form, focus), Qt::LeftButton);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focus == "Ok" ? qobject_cast<QPushButton*>(focused) != nullptr
            : focus.isEmpty() ? focused == &form
                              : focused->objectName() == focus);
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier
                                            : key == Qt::Key_Q   ? Qt::ControlModifier
                                                                 : Qt::NoModifier;
    window.press(Qt::Key(key), modifiers);
    QCOMPARE(form.isVisible(), stillOpen != "window");
    if (stillOpen == "window")
        return;
    for (QWidget* panel : std::initializer_list<QWidget*>{findControl<QWidget>(form, "Panel1"), findControl<QWidget>(form, "Scorepanel"), findControl<QWidget>(form, "overpanel")})
        QCOMPARE(panel->isVisible(), stillOpen.split(' ').contains(panel->objectName()));
    QCOMPARE(QApplication::focusWidget(), stillOpen.isEmpty() ? &form : focused);
}

void KeyboardTest::helpBoxClosesByOkAndEnterOnly_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space on OK") << int(Qt::Key_Space) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
}

// The key goes to whatever has the focus in the open box, as the player's
// would; a box left open is then closed by its "OK".
void KeyboardTest::helpBoxClosesByOkAndEnterOnly()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    WindowUnderTest window;
    QVERIFY(window.showActive());
    QWidget* focused = nullptr;
    bool openAfterKey = true;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        QApplication::setActiveWindow(box);
        if (!QTest::qWaitForWindowActive(box))
            return;
        focused = QApplication::focusWidget();
        QTest::keyClick(focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        openAfterKey = box->isVisible();
        if (openAfterKey)
            QTest::mouseClick(findControl<QWidget>(*box, "dxButton1"), Qt::LeftButton);
    });
    window.chooseMenu(findControl<QAction>(*window.form, "About1"));
    QCOMPARE(focused ? focused->objectName() : QString(), QStringLiteral("dxButton1"));
    QCOMPARE(openAfterKey, !closes);
    QVERIFY(!window.about()->isVisible());
}

void KeyboardTest::onlyWhatThePlayerSeesTakesKeys_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("options covered by the high scores after a name entry") << "covered";
    QTest::newRow("options open as the window comes back") << "reactivated";
    QTest::newRow("Tab into the options") << "tabbed";
}

// Tab and Space, pressed as a curious player would, must neither
// ask a question nor change the difficulty: the focus only ever rests on the
// window or on a chosen item or button the player can see.
void KeyboardTest::onlyWhatThePlayerSeesTakesKeys()
{
    QFETCH(QString, situation);
    WindowUnderTest window(1, everyLineScores(-1));
    TForm1& form = *window.form;
    QVERIFY(window.showActive());
    window.chooseMenu(findControl<QAction>(form, "Options1"));
    if (situation == "covered") {
        window.playToTheEndWithKeys(3);
        QTest::mouseClick(findControl<QWidget>(form, "dxButton3"), Qt::LeftButton);
        QVERIFY(findControl<QWidget>(form, "Scorepanel")->isVisible() && findControl<QWidget>(form, "Panel1")->isVisible());
    }
    QWidget elsewhere;
    if (situation == "reactivated") {
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QCOMPARE(QApplication::focusWidget(), nullptr);
        elsewhere.hide();
        QVERIFY(window.showActive());
        QCOMPARE(QApplication::focusWidget(), &form);
    }
    const int kindCount = gameOf(form).KindCount();
    const size_t boxes = window.boxes.size();
    for (int round = 0; round < 12; ++round) {
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Space}) {
            if (key == Qt::Key_Space && QApplication::focusWidget() == &form)
                continue;
            window.press(key);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            const auto* item = qobject_cast<QRadioButton*>(focus);
            QVERIFY2(!findControl<QWidget>(form, "Panel1")->isAncestorOf(focus) || !findControl<QWidget>(form, "Scorepanel")->isVisible(), qPrintable(focus->objectName()));
            QVERIFY2(!item || item->isChecked(), qPrintable(focus->objectName()));
        }
    }
    QCOMPARE(window.boxes.size(), boxes);
    QCOMPARE(gameOf(form).KindCount(), kindCount);
}

// The "Game over" box is the narrowest; its title bar must still find room
// for the caption in a bold title face beside the icon and the close button.
void KeyboardTest::messageBoxesShowTheirCaptionWhole()
{
    WindowUnderTest window;
    QVERIFY(window.showActive());
    QWidget* shown = nullptr;
    int width = 0;
    Qt::WindowFlags flags;
    QTimer::singleShot(0, [&] {
        shown = QApplication::activeModalWidget();
        if (!shown)
            return;
        width = shown->width();
        flags = shown->windowFlags();
        QTest::keyClick(shown, Qt::Key_Return);
    });
    QVERIFY(standardMessageBox(window.form.get(), QStringLiteral("Game over"), QStringLiteral("Game"), BoxButtons::Ok) ==
            BoxAnswer::Ok);
    QVERIFY(shown);
    QFont title = QApplication::font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    const int buttonsAndIcon = 4 * 24;
    QVERIFY2(width >= QFontMetrics(title).horizontalAdvance(QStringLiteral("Game")) + buttonsAndIcon,
             qPrintable(QString::number(width)));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint) && !flags.testFlag(Qt::WindowMaximizeButtonHint));
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
