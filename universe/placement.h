#pragma once

#include <cstdint>

#include "shell/vec3.h"

struct Star;

// Everything a star's place, size and orientation is made of. All of it follows
// from the entry's name, type and size alone, so an unchanged directory always
// looks the same.

// The quantities one name yields. Bytes count as signed 8-bit values wherever
// their sign matters, so names with bytes of 0x80 and above are placed the same
// way on every platform.
struct NameMetrics {
    double e;       // weighted angle of the bytes at even positions (low six bits)
    double o;       // weighted angle of the bytes at odd positions (low six bits)
    double a;       // 0.01 x the signed sum of the bytes at even positions
    double b;       // 0.01 x the signed sum of the bytes at odd positions
    int distance;   // D = 3 min(L, 10) + s[0] % 15 - 5, may be zero or negative
    int colorSeed;  // s[0] as a signed 8-bit value
};

// name must hold at least one byte before its NUL.
NameMetrics name_metrics(const char *name);

// The byte-sum angles (a, b) alone; the empty text gives (0, 0).
void byte_sum_angles(const char *text, double &a, double &b);

// The unit vector (-sin alpha cos beta, cos alpha cos beta, sin beta).
Vec3 star_dir(double alpha, double beta);

// Radius before the galaxy is fitted: cube root of whole 4096-byte blocks, plus 1.
// A negative size counts as 0, so the radius is always finite and at least 1.
double star_size(std::int64_t fileSize);

// The plane of a galaxy's ring, from the byte-sum angles of its name.
void ring_axes(double a, double b, Vec3 &axis1, Vec3 &axis2);

// The factor that brings the farthest star to 0.8 of the galaxy's size. When
// no star has a positive distance the largest magnitude takes its place, and
// when every distance is zero (all stars sit at the centre) the factor is 0,
// so positions stay finite whatever the names.
double distance_factor(int maxDistance, int minDistance);

// Gives a star whose kind is set its colour seed, its size before fitting (a
// wormhole's is 1 whatever the link's own size), its unfitted position and
// its kind's orientation: a galaxy's ring axes, a wormhole's start tangent.
void place_star(Star &s, const NameMetrics &m, std::int64_t fileSize);

// The extremes of one scan's stars, which the fit scales by.
struct GalaxyEnvelope {
    double maxSize = 0;
    int maxDistance = 0;
    int minDistance = 0;
    void include(double size, int distance);
};

// Fits n placed stars into their galaxy: the largest gets size 0.05 and the
// farthest lies at 0.8 (see distance_factor).
void fit_stars(Star *stars, int n, const GalaxyEnvelope &envelope);
