#pragma once

#include <cmath>

// A position, offset or direction: three doubles, held by value everywhere.
struct Vec3 {
    double x;
    double y;
    double z;
};

// The small operations run for every star in every frame, so they live here
// where the compiler can inline them. Sums run x, y, z in that order so that
// results are reproducible to the bit.

inline double vec3_dot(const Vec3 &a, const Vec3 &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline double vec3_length(const Vec3 &v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// out = a x b; out must be a vector other than a and b.
inline void vec3_cross(Vec3 &out, const Vec3 &a, const Vec3 &b)
{
    out.x = a.y * b.z - a.z * b.y;
    out.y = a.z * b.x - a.x * b.z;
    out.z = a.x * b.y - a.y * b.x;
}

inline void vec3_set(Vec3 &v, double x, double y, double z)
{
    v.x = x;
    v.y = y;
    v.z = z;
}

inline void vec3_add(Vec3 &v, double dx, double dy, double dz)
{
    v.x += dx;
    v.y += dy;
    v.z += dz;
}

inline void vec3_scale(Vec3 &v, double s)
{
    v.x *= s;
    v.y *= s;
    v.z *= s;
}

// Normalises in place; the zero vector warns and becomes (0, 0, 1).
void vec3_formalize(Vec3 &v);

// out = (v.e1, v.e2, v.e3); out may be v itself.
inline void vec3_to_basis(Vec3 &out, const Vec3 &v, const Vec3 &e1, const Vec3 &e2, const Vec3 &e3)
{
    const Vec3 in = v;  // out may alias v
    out.x = vec3_dot(in, e1);
    out.y = vec3_dot(in, e2);
    out.z = vec3_dot(in, e3);
}
