#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace quorvel::ui {

QFont gameFont(int pixelSize, bool bold)
{
    static const QString family =
        QFontDatabase::families().contains(QStringLiteral("Verdana")) ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace quorvel::ui
