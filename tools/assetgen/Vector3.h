#pragma once

#include <cmath>

namespace quorvel::assetgen {

// A direction for lighting: x to the right, y downwards, z towards the eye.
struct Vector3 {
    double x;
    double y;
    double z;
};

inline Vector3 normalised(Vector3 v)
{
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

inline double dot(Vector3 a, Vector3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

} // namespace quorvel::assetgen
