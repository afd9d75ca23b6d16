#include "shell/vec3.h"

#include <cmath>
#include <cstdio>

// Sums run x, y, z in that order so that results are reproducible to the bit.

double vec3_length(const Vec3 &v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

double vec3_dot(const Vec3 &a, const Vec3 &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

void vec3_cross(Vec3 &out, const Vec3 &a, const Vec3 &b)
{
    out.x = a.y * b.z - a.z * b.y;
    out.y = a.z * b.x - a.x * b.z;
    out.z = a.x * b.y - a.y * b.x;
}

void vec3_set(Vec3 &v, double x, double y, double z)
{
    v.x = x;
    v.y = y;
    v.z = z;
}

void vec3_add(Vec3 &v, double dx, double dy, double dz)
{
    v.x += dx;
    v.y += dy;
    v.z += dz;
}

void vec3_scale(Vec3 &v, double s)
{
    v.x *= s;
    v.y *= s;
    v.z *= s;
}

void vec3_formalize(Vec3 &v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (n == 0.0) {
        std::fputs("vec3_formalize: warning: zero vector\n", stderr);
        vec3_set(v, 0.0, 0.0, 1.0);
        return;
    }
    v.x /= n;
    v.y /= n;
    v.z /= n;
}

void vec3_to_basis(Vec3 &out, const Vec3 &v, const Vec3 &e1, const Vec3 &e2, const Vec3 &e3)
{
    const Vec3 in = v;  // out may alias v
    out.x = vec3_dot(in, e1);
    out.y = vec3_dot(in, e2);
    out.z = vec3_dot(in, e3);
}
