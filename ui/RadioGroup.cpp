#include "RadioGroup.h"

#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace quorvel::ui {
namespace {

constexpr int ItemIndent = 6;
// The frame's line against the panel, as dark as the style draws outlines.
constexpr int FrameDarkness = 140;
// The frame's top line below the caption.
constexpr int CaptionGap = 2;

// The style's own focus mark on a radio item is a faint tint behind its text,
// shown only after a Tab; here a line in the text's colour frames the text
// whenever the item has the focus.
class RadioItem final : public QRadioButton {
public:
    RadioItem(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QRadioButton::paintEvent(event);
        if (!hasFocus())
            return;
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect text = style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this);
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawRect(text.adjusted(0, 0, -1, -1));
    }
};

} // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent) : QGroupBox(caption, parent)
{
    auto* column = new QVBoxLayout(this);
    // The groups are narrow: the items get all the width the frame leaves.
    column->setContentsMargins(ItemIndent, column->contentsMargins().top(), 0, column->contentsMargins().bottom());
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new RadioItem(items[i], this);
        buttons_.addButton(item, i);
        column->addWidget(item);
    }
    connect(&buttons_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (!checked)
            return;
        keepTabOnChosenItem();
        emit itemIndexChanged(index);
    });
}

// The group shows the colour of the panel it lies on: a style may shade the
// inside of its frame (Fusion does), so the frame is drawn here as an
// outline only, below the style's caption.
void RadioGroup::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect frame = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    frame.setTop(style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this).bottom() +
                 CaptionGap);
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
    painter.setPen(palette().color(QPalette::Window).darker(FrameDarkness));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* item = buttons_.button(index))
        item->setChecked(true);
    keepTabOnChosenItem();
}

// Tab enters the group at its chosen item, as in any radio group, so that a
// Space pressed next changes nothing; the arrow keys move within the group.
void RadioGroup::keepTabOnChosenItem()
{
    const QAbstractButton* chosen = buttons_.checkedButton();
    for (QAbstractButton* item : buttons_.buttons())
        item->setFocusPolicy(item == chosen || !chosen ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::showItemIndex(int index)
{
    const QSignalBlocker quiet(buttons_);
    setItemIndex(index);
}

} // namespace quorvel::ui
