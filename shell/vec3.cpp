#include "shell/vec3.h"

#include <cstdio>

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
