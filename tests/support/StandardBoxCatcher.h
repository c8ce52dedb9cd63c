#pragma once

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace quorvel::testing {

// Reads and closes every standard message box that opens while it lives, for
// the boxes that come before a test can answer them, as while the window is
// being built.
class StandardBoxCatcher {
public:
    explicit StandardBoxCatcher(int everyMilliseconds = 20)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                texts.push_back(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text());
                box->close();
            }
        });
        poll_.start(everyMilliseconds);
    }

    std::vector<QString> texts;

private:
    QTimer poll_;
};

} // namespace quorvel::testing
