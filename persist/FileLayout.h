#pragma once

#include <cstdint>
#include <string>

// The sections, keys and defaults of the settings and score file. Every read
// names its own default; none is shared between keys.
namespace quorvel::persist::layout {

inline constexpr char SettingsSection[] = "Settings";
inline constexpr char BackgroundKey[] = "Background";
inline constexpr char BlocksKey[] = "Blocks";
inline constexpr char PlayerNameKey[] = "Name";

inline constexpr char NameKey[] = "Name";
inline constexpr char LevelKey[] = "Level";
inline constexpr char ScoreKey[] = "Score";

inline constexpr int DefaultBackground = 0;
inline constexpr char DefaultPlayerName[] = "Anonymous";

inline constexpr char DefaultLineName[] = "Bobby";
inline constexpr int DefaultLineLevel = 6;

// Line 1 is "Scoreline1", the best result.
std::string scoreLineSection(int line);

// 100 on line 1 down to 10 on line 10.
int32_t defaultLineScore(int line);

} // namespace quorvel::persist::layout
