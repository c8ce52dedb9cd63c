#include "RadioGroup.h"

#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quorvel::ui {
namespace {

constexpr int ItemIndent = 6;

} // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent) : QGroupBox(caption, parent)
{
    auto* column = new QVBoxLayout(this);
    // The groups are narrow: the items get all the width the frame leaves.
    column->setContentsMargins(ItemIndent, column->contentsMargins().top(), 0, column->contentsMargins().bottom());
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], this);
        buttons_.addButton(item, i);
        column->addWidget(item);
    }
    connect(&buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && changed_)
            changed_();
    });
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* item = buttons_.button(index))
        item->setChecked(true);
}

void RadioGroup::showItemIndex(int index)
{
    const QSignalBlocker quiet(buttons_);
    setItemIndex(index);
}

} // namespace quorvel::ui
