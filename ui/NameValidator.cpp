#include "NameValidator.h"

#include "IniSyntax.h"

#include <QTextBoundaryFinder>

namespace quorvel::ui {
namespace {

bool hasLoneSurrogate(const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            ++at;
        else if (text[at].isSurrogate())
            return true;
    }
    return false;
}

int graphemeClusters(const QString& text)
{
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    int clusters = 0;
    while (boundaries.toNextBoundary() > 0)
        ++clusters;
    return clusters;
}

} // namespace

// An edit that would break a rule is refused whole, as the toolkit's own
// length limit refuses a key typed beyond it.
QValidator::State NameValidator::validate(QString& text, int&) const
{
    const bool fits = !hasLoneSurrogate(text) && text.toUcs4().size() <= qsizetype(persist::ini::MaxTextLength) &&
                      graphemeClusters(text) <= characters_;
    return fits ? Acceptable : Invalid;
}

} // namespace quorvel::ui
