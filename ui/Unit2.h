#pragma once

#include <QDialog>

class QLabel;

namespace quorvel::ui {

class DxButton;
class FramePlacement;
class Pictures;

// The help/about box: the game's name and version, the control keys and two
// links to the makers. Made once and shown again at each request.
class TAboutBox final : public QDialog {
    Q_OBJECT

public:
    TAboutBox(const Pictures& pictures, QWidget* parent);
    // The first showing waits for the window manager's word on the frame.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void Label4Click();
    void Label5Click();

private:
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    DxButton* dxButton1 = nullptr;
    FramePlacement* placement_ = nullptr;
};

} // namespace quorvel::ui
