#include "Landing.h"

namespace quorvel {
namespace {

// Every productive pass clears at least three of the hundred cells, so the
// chains end long before this.
constexpr int ResolutionPasses = 80;

struct Step {
    int column;
    int row;
};

// Every run found in one direction is also found from its other end in the
// opposite direction, so half of the eight directions suffice.
constexpr Step RunDirections[] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};

// Returns how many cells were marked.
int MarkRuns(const Board& board, MarkGrid& marks, int kindCount)
{
    int marked = 0;
    auto mark = [&](int column, int row) {
        uint8_t& cell = marks[column][row];
        marked += cell == 0;
        cell = 1;
    };
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        for (int r = LaunchRow; r <= TopRow; ++r) {
            const int32_t kind = board[c][r];
            if (kind < 1 || kind > kindCount)
                continue;
            for (const Step d : RunDirections) {
                if (board[c + d.column][r + d.row] == kind && board[c + 2 * d.column][r + 2 * d.row] == kind) {
                    mark(c, r);
                    mark(c + d.column, r + d.row);
                    mark(c + 2 * d.column, r + 2 * d.row);
                }
            }
        }
    }
    return marked;
}

void ClearMarked(Board& board, MarkGrid& marks)
{
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        for (int r = LaunchRow; r <= TopRow; ++r) {
            if (marks[c][r] != 0) {
                board[c][r] = Empty;
                marks[c][r] = 0;
            }
        }
    }
}

// Blocks hang from the top row: each column becomes one unbroken stack under
// the Floor row, keeping its order. Returns whether any block moved.
bool SettleColumns(Board& board)
{
    bool moved = false;
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        auto& column = board[c];
        int target = TopRow;
        for (int r = TopRow; r >= LaunchRow; --r) {
            if (column[r] == Empty)
                continue;
            if (r != target) {
                column[target] = column[r];
                column[r] = Empty;
                moved = true;
            }
            --target;
        }
    }
    return moved;
}

} // namespace

int32_t ResolveLanding(Board& board, MarkGrid& marks, int kindCount)
{
    // Once a pass neither marks nor moves anything, all the passes left would
    // change nothing either.
    int32_t points = 0;
    for (int pass = 0; pass < ResolutionPasses; ++pass) {
        const int marked = MarkRuns(board, marks, kindCount);
        points += marked * PointsPerBlock(kindCount);
        if (marked != 0)
            ClearMarked(board, marks);
        const bool moved = SettleColumns(board);
        if (marked == 0 && !moved)
            break;
    }
    return points;
}

} // namespace quorvel
