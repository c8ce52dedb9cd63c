#include "LiteralResolution.h"

namespace quorvel::reference {
namespace {

constexpr int DirectionStep[8][2] = {{1, 0}, {0, 1}, {0, -1}, {-1, 0}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};

void ClearMarks(MarkGrid& marks)
{
    for (int c = 11; c <= 20; ++c)
        for (int r = 18; r <= 27; ++r)
            marks[c][r] = 0;
}

} // namespace

int LiteralMarkRuns(const Board& board, MarkGrid& marks, int kindCount)
{
    for (int c = 11; c <= 20; ++c) {
        for (int r = 18; r <= 27; ++r) {
            for (int k = 1; k <= kindCount; ++k) {
                if (board[c][r] != k)
                    continue;
                for (const auto& d : DirectionStep) {
                    if (board[c + d[0]][r + d[1]] == k && board[c + 2 * d[0]][r + 2 * d[1]] == k) {
                        marks[c][r] = 1;
                        marks[c + d[0]][r + d[1]] = 1;
                        marks[c + 2 * d[0]][r + 2 * d[1]] = 1;
                    }
                }
            }
        }
    }
    int marked = 0;
    for (int c = 11; c <= 20; ++c)
        for (int r = 18; r <= 27; ++r)
            marked += marks[c][r];
    return marked;
}

int32_t LiteralResolveLanding(Board& board, MarkGrid& marks, int kindCount)
{
    int32_t score = 0;
    for (int pass = 0; pass < 80; ++pass) {
        LiteralMarkRuns(board, marks, kindCount);
        for (int c = 11; c <= 20; ++c) {
            for (int r = 18; r <= 27; ++r) {
                if (marks[c][r] == 1) {
                    score += kindCount - 5;
                    board[c][r] = 0;
                }
            }
        }
        ClearMarks(marks);
        for (int settle = 0; settle < 100; ++settle) {
            for (int c = 11; c <= 20; ++c) {
                for (int r = 18; r <= 26; ++r) {
                    if (board[c][r] >= 1 && board[c][r] <= 9 && board[c][r + 1] == 0) {
                        board[c][r + 1] = board[c][r];
                        board[c][r] = 0;
                    }
                }
            }
        }
    }
    return score;
}

} // namespace quorvel::reference
