#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace quorvel::ui {

// A captioned column of radio items. It tells of every change of the
// selected item, whether the player clicked it or the program set it.
class RadioGroup final : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    // -1 while nothing is selected.
    int itemIndex() const { return buttons_.checkedId(); }
    void setItemIndex(int index);
    // Shows another selection without telling of a change.
    void showItemIndex(int index);

signals:
    void itemIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void keepTabOnChosenItem();

    QButtonGroup buttons_;
};

} // namespace quorvel::ui
