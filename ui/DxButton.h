#pragma once

#include <QPushButton>

namespace quorvel::ui {

// The game's push button: rounded corners, a dark-blue outline and a face
// shaded from white to light grey.
class DxButton final : public QPushButton {
    Q_OBJECT

public:
    DxButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvel::ui
