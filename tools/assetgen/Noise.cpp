#include "Noise.h"

#include <cmath>

namespace quorvel::assetgen {

namespace {

uint32_t hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double latticeValue(int x, int y, uint32_t seed, int period)
{
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    return hash(x, y, seed) / 4294967295.0;
}

double fade(double t)
{
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

} // namespace

uint64_t Rng::next()
{
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::unit()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

double Rng::range(double low, double high)
{
    return low + (high - low) * unit();
}

int Rng::below(int count)
{
    return static_cast<int>(unit() * count);
}

bool Rng::chance(double probability)
{
    return unit() < probability;
}

double valueNoise(double x, double y, uint32_t seed, int period)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double top = latticeValue(ix, iy, seed, period) * (1.0 - tx) + latticeValue(ix + 1, iy, seed, period) * tx;
    const double bottom = latticeValue(ix, iy + 1, seed, period) * (1.0 - tx) + latticeValue(ix + 1, iy + 1, seed, period) * tx;
    return top * (1.0 - ty) + bottom * ty;
}

double fractal(double x, double y, uint32_t seed, int octaves, int period)
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * valueNoise(x, y, seed + static_cast<uint32_t>(octave) * 101u, period);
        total += weight;
        weight *= 0.5;
        x *= 2.0;
        y *= 2.0;
        period *= 2;
    }
    return sum / total;
}

} // namespace quorvel::assetgen
