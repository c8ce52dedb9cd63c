#include "BoardDescription.h"

#include <QCoreApplication>
#include <QStringList>

namespace quorvel::ui {
namespace {

QString colourName(BlockKind kind)
{
    static const char* const Names[] = {
        QT_TRANSLATE_NOOP("BoardDescription", "blue"),      QT_TRANSLATE_NOOP("BoardDescription", "green"),
        QT_TRANSLATE_NOOP("BoardDescription", "crimson"),   QT_TRANSLATE_NOOP("BoardDescription", "violet"),
        QT_TRANSLATE_NOOP("BoardDescription", "gold"),      QT_TRANSLATE_NOOP("BoardDescription", "turquoise"),
        QT_TRANSLATE_NOOP("BoardDescription", "black"),     QT_TRANSLATE_NOOP("BoardDescription", "pink"),
        QT_TRANSLATE_NOOP("BoardDescription", "plum")};
    return kind >= 1 && kind <= MaxKind ? QCoreApplication::translate("BoardDescription", Names[kind - 1]) : QString();
}

QString colours(const NextPiece& kinds)
{
    return QStringList{colourName(kinds[0]), colourName(kinds[1]), colourName(kinds[2])}.join(QStringLiteral(", "));
}

// Columns count from 1 at the left wall, rows from 1 at the bottom.
int columnNumber(int column) { return column - FirstColumn + 1; }
int rowNumber(int row) { return row - LaunchRow + 1; }

QString pieceRows(const Piece& piece)
{
    if (piece[0].row == piece[1].row && piece[1].row == piece[2].row)
        return QCoreApplication::translate("BoardDescription", "row %1").arg(rowNumber(piece[0].row));
    return QCoreApplication::translate("BoardDescription", "rows %1, %2 and %3")
        .arg(rowNumber(piece[0].row)).arg(rowNumber(piece[1].row)).arg(rowNumber(piece[2].row));
}

} // namespace

QString boardDescription(const Game& game)
{
    const Piece& piece = game.Piece();
    if (game.GameOver())
        return QCoreApplication::translate("BoardDescription", "Game over with %n points.", nullptr, game.Score());
    const QString next = QCoreApplication::translate("BoardDescription", "Next: %1.").arg(colours(game.NextPiece()));
    return QCoreApplication::translate("BoardDescription", "Piece in columns %1 to %2 of %3, %4: %5. %6")
        .arg(columnNumber(piece[0].column))
        .arg(columnNumber(piece[2].column))
        .arg(ColumnCount)
        .arg(pieceRows(piece))
        .arg(colours({piece[0].kind, piece[1].kind, piece[2].kind}))
        .arg(next);
}

} // namespace quorvel::ui
