#pragma once

#include <cstdint>

namespace quorvel {

// The difficulty is the number of block kinds dealt: Easy 6, Medium 7,
// Hard 8, Wicked 9. A game without a saved choice plays Medium.
inline constexpr int MinKindCount = 6;
inline constexpr int MaxKindCount = 9;
inline constexpr int DefaultKindCount = 7;

// Difficulty values outside Easy..Wicked never reach the board.
inline constexpr int ClampKindCount(int kindCount)
{
    return kindCount < MinKindCount ? MinKindCount : kindCount > MaxKindCount ? MaxKindCount : kindCount;
}

inline constexpr int32_t PointsPerBlock(int kindCount) { return kindCount - 5; }

} // namespace quorvel
