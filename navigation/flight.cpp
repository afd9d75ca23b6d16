#include "navigation/flight.h"

#include <cmath>

namespace {

constexpr double kFrameStep = 0.02;  // velocity counts radii per 50 frames
constexpr double kPi = 3.141592653589793;
constexpr Vec3 kWorldUp{0, 1, 0};

// pos += s * d in the current level, then the same distance in the larger
// units of every level below it.
void translate_levels(Viewpoint &vp, double s, const Vec3 &d)
{
    for (int i = vp.depth; i >= 0; --i) {
        GalaxyLevel &level = vp.levels[i];
        vec3_add(level.position, s * d.x, s * d.y, s * d.z);
        s = s * level.scale;
    }
}

// a + s * b, component by component.
Vec3 plus_scaled(const Vec3 &a, double s, const Vec3 &b)
{
    return Vec3{a.x + s * b.x, a.y + s * b.y, a.z + s * b.z};
}

// Keeps the line of sight within limitDeg of the horizontal, then rebuilds the
// basis from it and world up so that the view never rolls.
void clamp_pitch_and_rebuild(Viewpoint &vp, int limitDeg)
{
    // A negative limit would make the bounds cross and flip the line of sight
    // from climb to dive every frame; it means level flight.
    const int limit = limitDeg < 0 ? 0 : limitDeg;
    Vec3 &f = vp.forward;
    const double h = std::sqrt(f.x * f.x + f.z * f.z);
    const double bound = std::tan(limit * kPi / 180) * h;
    if (f.y < -bound) {
        f.y = -bound;
        vec3_formalize(f);
    } else if (f.y > bound) {
        f.y = bound;
        vec3_formalize(f);
    }
    vec3_cross(vp.right, f, kWorldUp);
    vec3_formalize(vp.right);
    vec3_cross(vp.up, vp.right, f);
    vec3_formalize(vp.up);
}

}  // namespace

void fly_polar(Viewpoint &vp, int pitchLimit, double velocity, double sx, double sy)
{
    Vec3 t = plus_scaled(vp.forward, sx, vp.right);  // yaw
    vec3_formalize(t);
    vp.forward = plus_scaled(t, sy, vp.up);  // pitch
    vec3_formalize(vp.forward);
    if (pitchLimit >= 90) {
        // No limit: the other axes follow by the same amounts, measured along
        // the yawed line of sight; they drift from orthogonal and may roll.
        vp.right = plus_scaled(vp.right, -sx, t);
        vec3_formalize(vp.right);
        vp.up = plus_scaled(vp.up, -sy, t);
        vec3_formalize(vp.up);
    } else {
        clamp_pitch_and_rebuild(vp, pitchLimit);
    }
    translate_levels(vp, velocity * kFrameStep, vp.forward);
}

void fly_cartesian(Viewpoint &vp, double velocity, double sx, double sy)
{
    // Cubed so that a cursor near the centre barely drifts.
    const double x = (10 * sx) * (10 * sx) * (10 * sx);
    const double y = (10 * sy) * (10 * sy) * (10 * sy);
    const Vec3 &r = vp.right, &u = vp.up, &f = vp.forward;
    const Vec3 d{(x * r.x + y * u.x) + velocity * f.x,
                 (x * r.y + y * u.y) + velocity * f.y,
                 (x * r.z + y * u.z) + velocity * f.z};
    translate_levels(vp, kFrameStep, d);
}

double relevel_step(Viewpoint &vp)
{
    // A vertical line of sight has no horizontal part: formalize then warns and
    // picks (0, 0, 1), which is as good an upright heading as any.
    Vec3 f{vp.forward.x, 0, vp.forward.z};
    vec3_formalize(f);
    Vec3 r{};
    vec3_cross(r, f, kWorldUp);
    vec3_formalize(r);
    return blend_basis(vp, r, kWorldUp, f, 0.1);
}

double blend_basis(Viewpoint &vp, const Vec3 &r, const Vec3 &u, const Vec3 &f, double w)
{
    const auto blend = [w](Vec3 &v, const Vec3 &target) {
        v = Vec3{(1 - w) * v.x + w * target.x, (1 - w) * v.y + w * target.y,
                 (1 - w) * v.z + w * target.z};
    };
    blend(vp.right, r);
    blend(vp.up, u);
    blend(vp.forward, f);
    return std::fabs(vec3_dot(r, vp.right) + vec3_dot(u, vp.up) + vec3_dot(f, vp.forward)) / 3;
}
