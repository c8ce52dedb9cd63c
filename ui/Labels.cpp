#include "Labels.h"

namespace quorvel::ui {

void ShowText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

QLabel* PlaceLabel(QLabel* label, const char* objectName, QPoint at, const QFont& font, const QString& text)
{
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->move(at);
    ShowText(label, text);
    return label;
}

} // namespace quorvel::ui
