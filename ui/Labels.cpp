#include "Labels.h"

#include <QTextBoundaryFinder>

namespace quorvel::ui {
namespace {

constexpr int MaxCombiningRun = 30;
// Three times what the name box takes: more than the column shows.
constexpr int MaxShownCharacters = 36;

// A character's first code point and at most 30 more.
QStringView kept(QStringView character)
{
    qsizetype at = 0;
    for (int codePoints = 0; at < character.size() && codePoints <= MaxCombiningRun; ++codePoints)
        at += character[at].isHighSurrogate() && at + 1 < character.size() && character[at + 1].isLowSurrogate() ? 2 : 1;
    return character.first(at);
}

} // namespace

// Counted in characters as the name box counts them, so that a typed name
// always shows whole.
QString shownName(const QString& name)
{
    QString shown;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
    qsizetype start = 0;
    for (int count = 0; count < MaxShownCharacters; ++count) {
        const qsizetype end = characters.toNextBoundary();
        if (end <= 0)
            break;
        shown += kept(QStringView(name).mid(start, end - start));
        start = end;
    }
    return shown;
}

// The score comes again with every tick of a flight, mostly unchanged.
void showText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    label->adjustSize();
}

QLabel* placeLabel(QLabel* label, const char* objectName, QPoint at, const QFont& font, const QString& text)
{
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->move(at);
    // Sized even when it starts empty, which showText would leave alone.
    label->setText(text);
    label->adjustSize();
    return label;
}

} // namespace quorvel::ui
