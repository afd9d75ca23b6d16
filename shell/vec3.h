#pragma once

// A position, offset or direction: three doubles, held by value everywhere.
struct Vec3 {
    double x;
    double y;
    double z;
};

double vec3_length(const Vec3 &v);
double vec3_dot(const Vec3 &a, const Vec3 &b);
// out = a x b; out must be a vector other than a and b.
void vec3_cross(Vec3 &out, const Vec3 &a, const Vec3 &b);
void vec3_set(Vec3 &v, double x, double y, double z);
void vec3_add(Vec3 &v, double dx, double dy, double dz);
void vec3_scale(Vec3 &v, double s);
// Normalises in place; the zero vector warns and becomes (0, 0, 1).
void vec3_formalize(Vec3 &v);
// out = (v.e1, v.e2, v.e3); out may be v itself.
void vec3_to_basis(Vec3 &out, const Vec3 &v, const Vec3 &e1, const Vec3 &e2, const Vec3 &e3);
