#pragma once

#include <QFrame>

class QAbstractButton;

namespace quorvel::ui {

// One of the main window's overlay panels: options, high scores, name entry.
// A control on a hidden panel never keeps the keyboard focus: when the panel
// hides, for whatever reason, a focus inside it goes back to the window, and
// a panel wholly covered by another is out of reach alike. Its "Ok" acts
// only while the panel shows.
class OverlayPanel final : public QFrame {
    Q_OBJECT

public:
    explicit OverlayPanel(QWidget* parent) : QFrame(parent) {}

    bool showing() const { return isVisibleTo(window()); }
    void setVisible(bool visible) override;

    // `ok` is clicked, pressed from the keyboard or by assistive technology.
    void setOkButton(QAbstractButton* ok);

signals:
    // The panel's "Ok", only while the panel shows.
    void okClicked();
    // The panel went out of sight.
    void hidden();

private:
    void returnFocus();
    static void updateReach(QWidget& parent);

    QAbstractButton* ok_ = nullptr;
};

} // namespace quorvel::ui
