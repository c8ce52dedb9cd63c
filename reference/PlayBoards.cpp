#include "PlayBoards.h"

#include <fstream>

namespace quorvel {

std::string FormatPlayBoard(const PlayBoard& board)
{
    std::string line = std::to_string(board.kindCount) + ' ';
    for (int c = FirstColumn; c <= LastColumn; ++c)
        for (int r = LaunchRow; r <= TopRow; ++r)
            line += static_cast<char>('0' + board.board[c][r]);
    return line;
}

std::optional<PlayBoard> ParsePlayBoard(const std::string& line)
{
    constexpr size_t Cells = ColumnCount * RowCount;
    if (line.size() != 2 + Cells || line[1] != ' ')
        return std::nullopt;
    PlayBoard parsed;
    parsed.kindCount = line[0] - '0';
    if (parsed.kindCount < MinKindCount || parsed.kindCount > MaxKindCount)
        return std::nullopt;
    for (size_t i = 0; i < Cells; ++i) {
        const int cell = line[2 + i] - '0';
        if (cell < Empty || cell > parsed.kindCount)
            return std::nullopt;
        parsed.board[FirstColumn + i / RowCount][LaunchRow + i % RowCount] = cell;
    }
    for (int c = FirstColumn; c <= LastColumn; ++c)
        parsed.board[c][FloorRow] = Floor;
    return parsed;
}

std::vector<PlayBoard> ReadPlayBoards(const std::string& path)
{
    std::ifstream file(path);
    std::vector<PlayBoard> boards;
    std::string line;
    while (std::getline(file, line)) {
        const std::optional<PlayBoard> board = ParsePlayBoard(line);
        if (!board)
            return {};
        boards.push_back(*board);
    }
    if (!file.eof())
        return {};
    return boards;
}

} // namespace quorvel
