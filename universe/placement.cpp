#include "universe/placement.h"

#include <cmath>

#include "universe/star.h"

NameMetrics name_metrics(const char *name)
{
    NameMetrics m{};
    const auto *s = reinterpret_cast<const unsigned char *>(name);
    double weightEven = 0.1;
    double weightOdd = 0.1;
    std::size_t length = 0;
    // The weights shrink by repeated multiplication, term by term in name
    // order, so every scan sums exactly the same numbers.
    for (; s[length] != 0; ++length) {
        const unsigned char c = s[length];
        if (length % 2 == 0) {
            m.e += (c & 63) * weightEven;
            weightEven *= 0.4;
        } else {
            m.o += (c & 63) * weightOdd;
            weightOdd *= 0.4;
        }
    }
    byte_sum_angles(name, m.a, m.b);
    m.colorSeed = static_cast<signed char>(s[0]);
    // % truncates towards zero, so a first byte of 0x80 and above gives -14..0.
    const int r = m.colorSeed % 15;
    const int counted = length < 10 ? static_cast<int>(length) : 10;
    m.distance = 3 * counted + r - 5;
    return m;
}

void byte_sum_angles(const char *text, double &a, double &b)
{
    int sum[2] = {0, 0};
    for (std::size_t i = 0; text[i] != 0; ++i)
        sum[i % 2] += static_cast<signed char>(text[i]);
    a = 0.01 * sum[0];
    b = 0.01 * sum[1];
}

Vec3 star_dir(double alpha, double beta)
{
    const double cosBeta = std::cos(beta);
    return Vec3{-std::sin(alpha) * cosBeta, std::cos(alpha) * cosBeta, std::sin(beta)};
}

double star_size(std::int64_t fileSize)
{
    // A negative size (a broken file system or a device that reports one)
    // counts as empty: the cube root of a negative block count is NaN, which
    // would spread to the whole galaxy through the size factor.
    const std::int64_t q = fileSize > 0 ? fileSize / 4096 : 0;
    // Most files are smaller than one block; pow(0, 1/3) is 0 anyway.
    if (q == 0)
        return 1.0;
    return std::pow(static_cast<double>(q), 1.0 / 3.0) + 1.0;
}

void ring_axes(double a, double b, Vec3 &axis1, Vec3 &axis2)
{
    axis1 = star_dir(a, b);
    // (1, 1, 1) x axis1: perpendicular to axis1 for every name.
    axis2 = Vec3{axis1.z - axis1.y, axis1.x - axis1.z, axis1.y - axis1.x};
    vec3_formalize(axis2);
}

double distance_factor(int maxDistance, int minDistance)
{
    if (maxDistance > 0)
        return 0.8 / maxDistance;
    if (minDistance < 0)
        return 0.8 / -minDistance;
    return 0.0;
}

void place_star(Star &s, const NameMetrics &m, std::int64_t fileSize)
{
    s.colorSeed = m.colorSeed;
    s.size = s.kind == STAR_WORMHOLE ? 1.0 : star_size(fileSize);
    if (s.kind == STAR_GALAXY)
        ring_axes(m.a, m.b, s.axis1, s.axis2);
    else if (s.kind == STAR_WORMHOLE)
        s.startTangent = star_dir(m.a, m.b);
    s.position = star_dir(m.e, m.o);
    vec3_scale(s.position, m.distance);
}

void GalaxyEnvelope::include(double size, int distance)
{
    if (size > maxSize)
        maxSize = size;
    if (distance > maxDistance)
        maxDistance = distance;
    if (distance < minDistance)
        minDistance = distance;
}

void fit_stars(Star *stars, int n, const GalaxyEnvelope &envelope)
{
    const double sizeFactor = 0.05 / envelope.maxSize;
    const double distanceFactor = distance_factor(envelope.maxDistance, envelope.minDistance);
    for (int i = 0; i < n; ++i) {
        stars[i].size *= sizeFactor;
        vec3_scale(stars[i].position, distanceFactor);
    }
}
