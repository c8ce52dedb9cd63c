#pragma once

#include "OverlayPanel.h"
#include "ScoreTableFile.h"
#include "Unit1.h"
#include "Unit2.h"
#include "WindowAccess.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <random>
#include <vector>

namespace quorvel::testing {

// Settles a whole flight at once, tick by tick, as the timer would.
inline void fly(ui::TForm1& form)
{
    for (int tick = 0; tick < 100 && pieceInFlight(form); ++tick)
        WindowAccess::tick(form);
}

// A main window over a settings folder of its own, whose questions are
// answered by the test and whose deals repeat.
struct WindowUnderTest {
    struct Box {
        QString text;
        QString caption;
        ui::BoxButtons buttons;
    };

    // `saved`, when given, is the settings file the game starts with.
    explicit WindowUnderTest(uint32_t seed = 1, const QByteArray& saved = {})
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        if (!saved.isEmpty()) {
            QDir().mkpath(config.path() + QStringLiteral("/quorvel"));
            QFile file(settingsFile());
            if (!file.open(QIODevice::WriteOnly) || file.write(saved) != saved.size())
                qFatal("cannot write the starting settings file");
        }
        form = std::make_unique<ui::TForm1>(std::make_unique<FixedSeedRandom>(seed));
        form->createAboutBox();
        WindowAccess::answerBoxes(*form, [this](const QString& text, const QString& caption, ui::BoxButtons buttons) {
            boxes.push_back({text, caption, buttons});
            return answer;
        });
    }

    ui::TAboutBox* about() { return &form->aboutBox(); }

    QString settingsFile() const { return config.path() + QStringLiteral("/quorvel/vemlo.ini"); }

    // Shows the window as the desktop does, ready for the player's keys.
    bool showActive()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowActive(form.get());
    }

    // A key as the player presses it: into the window, whose key preview sees
    // it first, and on to the control that has the focus,
    // QApplication::focusWidget(), whatever that is.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }
    void type(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(form->windowHandle(), c.toLatin1());
    }
    void chooseMenu(QAction* item)
    {
        QTest::mouseClick(form->menuBar(), Qt::LeftButton, {}, form->menuBar()->actionGeometry(item).center());
    }
    // Clicks a radio item of a group by its text.
    void clickItem(QWidget* group, const QString& text)
    {
        for (QAbstractButton* item : group->findChildren<QAbstractButton*>())
            if (item->text() == text)
                QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    }

    // Plays to the end of the game with the keys, moves drawn from `seed`.
    void playToTheEndWithKeys(uint32_t seed)
    {
        std::mt19937 moves(seed);
        const Qt::Key steering[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down};
        while (!gameOf(*form).GameOver()) {
            for (int i = moves() % 4; i > 0; --i)
                press(steering[moves() % 3]);
            press(Qt::Key_Space);
            fly(*form);
        }
    }

    QTemporaryDir config;
    std::unique_ptr<ui::TForm1> form;
    std::vector<Box> boxes;
    ui::BoxAnswer answer = ui::BoxAnswer::Yes;
};

} // namespace quorvel::testing
