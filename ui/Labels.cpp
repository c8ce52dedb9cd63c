#include "Labels.h"

namespace quorvel::ui {
namespace {

constexpr int MaxCombiningRun = 30;
// Three times what the name box takes: more than the column shows.
constexpr int MaxShownCharacters = 36;

} // namespace

QString ShownName(const QString& name)
{
    QString shown;
    int characters = 0;
    int run = 0;
    for (qsizetype at = 0; at < name.size() && characters < MaxShownCharacters;) {
        const bool pair = name[at].isHighSurrogate() && at + 1 < name.size() && name[at + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(name[at], name[at + 1]) : name[at].unicode();
        const qsizetype width = pair ? 2 : 1;
        run = QChar::isMark(c) || QChar::combiningClass(c) != 0 ? run + 1 : 0;
        if (run <= MaxCombiningRun) {
            shown += QStringView(name).mid(at, width);
            ++characters;
        }
        at += width;
    }
    return shown;
}

// The score comes again with every tick of a flight, mostly unchanged.
void ShowText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    label->adjustSize();
}

QLabel* PlaceLabel(QLabel* label, const char* objectName, QPoint at, const QFont& font, const QString& text)
{
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->move(at);
    // Sized even when it starts empty, which ShowText would leave alone.
    label->setText(text);
    label->adjustSize();
    return label;
}

} // namespace quorvel::ui
