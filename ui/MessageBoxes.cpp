#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace quorvel::ui {
namespace {

// What a desktop's title bar needs besides the caption: the window icon, the
// close button and their margins. Title faces are often larger and bold.
constexpr int TitleBarFurniture = 160;
constexpr qreal TitleFaceScale = 1.5;

int titleBarWidth(const QString& caption)
{
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    return qCeil(metrics.horizontalAdvance(caption) * TitleFaceScale) + TitleBarFurniture;
}

// The game's translations name the buttons, so that they speak its language
// also where Qt's own translations lack it or are not installed, and on every
// desktop alike.
QString buttonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        //: The message boxes' buttons; "&" marks the access key's letter.
        return QCoreApplication::translate("MessageBoxes", "&Yes");
    case QMessageBox::No:
        return QCoreApplication::translate("MessageBoxes", "&No");
    default:
        return QCoreApplication::translate("MessageBoxes", "OK");
    }
}

} // namespace

// One raised while the window is still being built has no window to centre
// on, so it takes the screen's centre.
BoxAnswer standardMessageBox(QWidget* window, const QString& text, const QString& caption, BoxButtons buttons)
{
    const bool question = buttons == BoxButtons::YesNo;
    QMessageBox box(buttons == BoxButtons::ErrorOk ? QMessageBox::Critical : QMessageBox::NoIcon, caption, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    window && window->isVisible() ? window : nullptr,
                    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
        button->setText(buttonText(box.standardButton(button)));
    }
    // The box sizes itself to its text and buttons; a strut across its whole
    // width keeps it from getting narrower than its caption needs.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(caption), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    const int answer = box.exec();
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : answer == QMessageBox::No ? BoxAnswer::No : BoxAnswer::Ok;
}

} // namespace quorvel::ui
