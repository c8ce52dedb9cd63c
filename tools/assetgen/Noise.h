#pragma once

#include <cstdint>

namespace quorvel::assetgen {

// A small generator of our own (SplitMix64), so that every picture comes out
// the same on every machine and with every standard library. Each draw is a
// statement of its own or an element of a braced list: compilers order the
// arguments of a call differently, and the pictures must not depend on that.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next();
    // Uniform in [0, 1).
    double unit();
    double range(double low, double high);
    // Uniform in [0, count).
    int below(int count);
    // True with the given probability.
    bool chance(double probability);

private:
    uint64_t state_;
};

// Smooth value noise in [0, 1] on an integer lattice. With a period above 0
// the lattice wraps every `period` cells, so a picture of whole periods tiles
// without a seam.
double valueNoise(double x, double y, uint32_t seed, int period = 0);

// Octaves of value noise, each twice as fine and half as strong; the period
// doubles with every octave so the sum still wraps. Result in [0, 1].
double fractal(double x, double y, uint32_t seed, int octaves, int period = 0);

} // namespace quorvel::assetgen
