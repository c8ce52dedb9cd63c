#include "Random.h"

#include <ctime>

namespace quorvel {

void ClockSeededRandom::Reseed()
{
    generator_.seed(static_cast<uint32_t>(std::time(nullptr)));
}

} // namespace quorvel
