#pragma once

#include "Difficulty.h"

#include <array>
#include <cstdint>

namespace quorvel {

// The well lives in a small window of a much larger grid: the wide margin of
// empty and Floor cells lets the line scan look past every edge without a
// bounds test.
inline constexpr int GridSize = 150;

inline constexpr int FirstColumn = 11;
inline constexpr int LastColumn = 20;
inline constexpr int ColumnCount = LastColumn - FirstColumn + 1;

// Rows count upwards on screen: blocks rise towards higher rows.
inline constexpr int LaunchRow = 18;
inline constexpr int EntryRow = LaunchRow + 1;
inline constexpr int TopRow = 27;
inline constexpr int FloorRow = TopRow + 1;
inline constexpr int RowCount = TopRow - LaunchRow + 1;

inline constexpr int32_t Empty = 0;
inline constexpr int32_t Floor = 10;

// A cell holds Empty, a BlockKind 1..9 or Floor. The value doubles as the
// index of the cell's tile.
using BlockKind = int32_t;
inline constexpr BlockKind MaxKind = 9;

// Cells are addressed [column][row]; the cells of one column are contiguous.
using Board = std::array<std::array<int32_t, GridSize>, GridSize>;

// One byte per cell, 1 marking a cell for clearing.
using MarkGrid = std::array<std::array<uint8_t, GridSize>, GridSize>;

inline constexpr bool IsBlock(int32_t cell) { return cell >= 1 && cell <= MaxKind; }

inline constexpr bool InPlayArea(int column, int row)
{
    return column >= FirstColumn && column <= LastColumn && row >= LaunchRow && row <= TopRow;
}

} // namespace quorvel
