#include "FileLayout.h"

namespace quorvel::persist::layout {
namespace {

constexpr char ScoreLinePrefix[] = "Scoreline";
constexpr int32_t DefaultScoreStep = 10;
constexpr int32_t DefaultScoreAboveLineOne = 110;

} // namespace

std::string scoreLineSection(int line)
{
    return ScoreLinePrefix + std::to_string(line);
}

int32_t defaultLineScore(int line)
{
    return DefaultScoreAboveLineOne - DefaultScoreStep * line;
}

} // namespace quorvel::persist::layout
