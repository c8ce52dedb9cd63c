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

void ClearMarked(Board& board, MarkGrid& marks, Clearing* cleared, int step)
{
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        for (int r = LaunchRow; r <= TopRow; ++r) {
            if (marks[c][r] != 0) {
                if (cleared)
                    cleared->blocks.push_back({c, r, board[c][r], step});
                board[c][r] = Empty;
                marks[c][r] = 0;
            }
        }
    }
}

PlayArea PlayAreaOf(const Board& board)
{
    PlayArea area;
    for (int c = FirstColumn; c <= LastColumn; ++c)
        for (int r = LaunchRow; r <= TopRow; ++r)
            area[c - FirstColumn][r - LaunchRow] = board[c][r];
    return area;
}

// Blocks hang from the top row: each column becomes one unbroken stack under
// the Floor row, keeping its order. Returns whether any block moved; when
// `risen` is given, the blocks that moved are added to it.
bool SettleColumns(Board& board, Clearing* risen, int step)
{
    bool moved = false;
    for (int c = FirstColumn; c <= LastColumn; ++c) {
        auto& column = board[c];
        int target = TopRow;
        for (int r = TopRow; r >= LaunchRow; --r) {
            if (column[r] == Empty)
                continue;
            if (r != target) {
                if (risen)
                    risen->rises.push_back({c, r, target, column[r], step});
                column[target] = column[r];
                column[r] = Empty;
                moved = true;
            }
            --target;
        }
    }
    return moved;
}

// When `cleared` is given, the blocks that vanish are added to it.
int32_t Resolve(Board& board, MarkGrid& marks, int kindCount, Clearing* cleared)
{
    // Once a pass neither marks nor moves anything, all the passes left would
    // change nothing either.
    int32_t points = 0;
    int step = 0;
    for (int pass = 0; pass < ResolutionPasses; ++pass) {
        const int marked = MarkRuns(board, marks, kindCount);
        points += marked * PointsPerBlock(kindCount);
        // Only the settling after a clear belongs to a step of the chain.
        Clearing* risen = nullptr;
        if (marked != 0) {
            if (cleared)
                cleared->boards.push_back(PlayAreaOf(board));
            ClearMarked(board, marks, cleared, step);
            risen = cleared;
        }
        const bool moved = SettleColumns(board, risen, step);
        step += marked != 0;
        if (marked == 0 && !moved)
            break;
    }
    if (cleared)
        cleared->points += points;
    return points;
}

} // namespace

int32_t ResolveLanding(Board& board, MarkGrid& marks, int kindCount)
{
    return Resolve(board, marks, kindCount, nullptr);
}

int32_t ResolveLanding(Board& board, MarkGrid& marks, int kindCount, Clearing& cleared)
{
    return Resolve(board, marks, kindCount, &cleared);
}

} // namespace quorvel
