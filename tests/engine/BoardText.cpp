#include "BoardText.h"

namespace quorvel::testing {

void draw(Board& board, const Picture& picture)
{
    for (size_t line = 0; line < picture.size(); ++line) {
        const int row = TopRow - static_cast<int>(line);
        for (size_t i = 0; i < picture[line].size(); ++i) {
            const char ch = picture[line][i];
            board[FirstColumn + i][row] = ch == '.' ? Empty : ch - '0';
        }
    }
}

Board boardFrom(const Picture& picture)
{
    Board board{};
    for (int c = FirstColumn; c <= LastColumn; ++c)
        board[c][FloorRow] = Floor;
    draw(board, picture);
    return board;
}

Picture pictureOf(const Board& board)
{
    Picture picture;
    for (int r = TopRow; r >= LaunchRow; --r) {
        std::string line;
        for (int c = FirstColumn; c <= LastColumn; ++c)
            line += board[c][r] == Empty ? '.' : static_cast<char>('0' + board[c][r]);
        picture.push_back(line);
    }
    return picture;
}

Picture fullPicture(Picture picture)
{
    for (std::string& line : picture)
        line.resize(ColumnCount, '.');
    picture.resize(RowCount, std::string(ColumnCount, '.'));
    return picture;
}

} // namespace quorvel::testing
