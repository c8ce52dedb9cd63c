#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include <functional>

namespace quorvel::ui {

// A captioned column of radio items. Its change handler runs whenever the
// selected item changes, whether the player clicked it or the program set it.
class RadioGroup final : public QGroupBox {
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    // -1 while nothing is selected.
    int itemIndex() const { return buttons_.checkedId(); }
    void setItemIndex(int index);
    // Shows another selection without running the change handler.
    void showItemIndex(int index);
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void KeepTabOnChosenItem();

    QButtonGroup buttons_;
    std::function<void()> changed_;
};

} // namespace quorvel::ui
