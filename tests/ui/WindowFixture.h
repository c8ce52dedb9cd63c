#pragma once

#include "Unit1.h"
#include "Unit2.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace quorvel::testing {

// A settings file holding only a high-score table, whose line 10 has the
// given score and the lines above it higher ones.
inline QByteArray TableWithLine10(int32_t line10)
{
    QByteArray file;
    for (int k = 1; k <= 10; ++k)
        file += "[Scoreline" + QByteArray::number(k) + "]\nName=P" + QByteArray::number(k) + "\nLevel=7\nScore=" +
                QByteArray::number(k == 10 ? line10 : line10 + 100 - 10 * k) + "\n";
    return file;
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
        about = std::make_unique<ui::TAboutBox>(form->pictures(), form.get());
        form->setAboutBox(about.get());
        form->setMessageBox([this](const QString& text, const QString& caption, ui::BoxButtons buttons) {
            boxes.push_back({text, caption, buttons});
            return answer;
        });
    }

    ~WindowUnderTest()
    {
        about.reset();
        form.reset();
    }

    QString settingsFile() const { return config.path() + QStringLiteral("/quorvel/vemlo.ini"); }

    QTemporaryDir config;
    std::unique_ptr<ui::TForm1> form;
    std::unique_ptr<ui::TAboutBox> about;
    std::vector<Box> boxes;
    ui::BoxAnswer answer = ui::BoxAnswer::Yes;
};

} // namespace quorvel::testing
