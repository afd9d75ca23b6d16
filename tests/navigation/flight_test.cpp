#include <gtest/gtest.h>

#include <cmath>

#include "navigation/flight.h"
#include "tests/navigation/flight_fixture.h"

namespace {

constexpr double kEps = 1e-12;

void expect_near(const Vec3 &v, double x, double y, double z, double eps = kEps)
{
    EXPECT_NEAR(v.x, x, eps);
    EXPECT_NEAR(v.y, y, eps);
    EXPECT_NEAR(v.z, z, eps);
}

void expect_same(const Vec3 &a, const Vec3 &b)
{
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.z, b.z);
}

double pitch_degrees(const Vec3 &f)
{
    return std::atan2(f.y, std::sqrt(f.x * f.x + f.z * f.z)) * 180 / 3.141592653589793;
}

TEST(FlyPolar, FirstStepFromRestRebuildsRightFromWorldUp)
{
    FlightFixture fx;
    fly_polar(fx.vp, 70, 0, 0, 0);
    expect_near(fx.vp.forward, 0, 0, 1);
    expect_near(fx.vp.right, -1, 0, 0);
    expect_near(fx.vp.up, 0, 1, 0);
    expect_same(fx.block[0].position, Vec3{0, 0, -2});

    // Without a limit the initial right is only turned, never rebuilt.
    FlightFixture free;
    fly_polar(free.vp, 90, 0, 0, 0);
    expect_near(free.vp.right, 1, 0, 0);
}

struct ClampCase {
    const char *what;
    int limit;
    Vec3 forward;
    double sy;
    double expectedPitch;  // degrees
};

TEST(FlyPolar, PitchIsHeldWithinTheLimit)
{
    const ClampCase cases[] = {
        {"steep climb, limit 70", 70, {0, 0.99, 0.141}, 0, 70},
        {"steep dive, limit 70", 70, {0.1, -0.99, 0.1}, 0, -70},
        {"climb within limit 70 is kept", 70, {0, 0.5, std::sqrt(0.75)}, 0, 30},
        {"limit 0 levels a climb", 0, {0, 0.3, std::sqrt(0.91)}, 0, 0},
        {"limit 0 ignores pulling up", 0, {0, 0, 1}, 0.2, 0},
        {"limit 45 catches a pull past it", 45, {0, std::sqrt(0.5), std::sqrt(0.5)}, 0.1, 45},
        {"negative limit flies level", -10, {0, 0.3, std::sqrt(0.91)}, 0, 0},
    };
    for (const ClampCase &c : cases) {
        SCOPED_TRACE(c.what);
        FlightFixture fx;
        fx.vp.forward = c.forward;
        fly_polar(fx.vp, c.limit, 0, 0, c.sy);
        const Vec3 &f = fx.vp.forward;
        EXPECT_NEAR(vec3_length(f), 1, kEps);
        EXPECT_NEAR(pitch_degrees(f), c.expectedPitch, 1e-9);
        // The basis is rebuilt orthonormal with no roll.
        EXPECT_NEAR(fx.vp.right.y, 0, kEps);
        EXPECT_NEAR(vec3_dot(fx.vp.right, f), 0, kEps);
        EXPECT_NEAR(vec3_dot(fx.vp.up, f), 0, kEps);
        EXPECT_NEAR(vec3_length(fx.vp.up), 1, kEps);
        EXPECT_GT(fx.vp.up.y, 0);
    }

    // Held hard at the limit, the pitch settles there and stays.
    FlightFixture fx;
    for (int i = 0; i < 200; ++i)
        fly_polar(fx.vp, 70, 0, 0, 0.05);
    EXPECT_NEAR(pitch_degrees(fx.vp.forward), 70, 1e-9);
    // The bound is tan(limit) times the horizontal length: forward.y / h.
    const Vec3 &f = fx.vp.forward;
    EXPECT_NEAR(f.y / std::sqrt(f.x * f.x + f.z * f.z), std::tan(70 * 3.141592653589793 / 180), 1e-9);
}

TEST(FlyPolar, WithoutLimitTheViewClimbsPastAndRolls)
{
    // Pull up for 28 frames (about 80 degrees), then yaw: with no limit the
    // climb goes past 70 and right picks up a vertical part (roll); with a
    // limit the climb stops at 70 and right stays horizontal.
    for (int limit : {90, 120, 70}) {
        SCOPED_TRACE(limit);
        FlightFixture fx;
        for (int i = 0; i < 28; ++i)
            fly_polar(fx.vp, limit, 0, 0, 0.05);
        if (limit >= 90)
            EXPECT_GT(pitch_degrees(fx.vp.forward), 75);
        else
            EXPECT_NEAR(pitch_degrees(fx.vp.forward), 70, 1e-9);
        fly_polar(fx.vp, limit, 0, 0.1, 0);
        if (limit >= 90)
            EXPECT_GT(std::fabs(fx.vp.right.y), 1e-3);
        else
            EXPECT_NEAR(fx.vp.right.y, 0, kEps);
    }
}

TEST(FlyPolar, UnlimitedStepTurnsRightAndUpAlongTheYawedSight)
{
    FlightFixture fx;
    const double sx = 0.1, sy = -0.2;
    fly_polar(fx.vp, 90, 0, sx, sy);
    const double n = std::sqrt(1 + sx * sx);
    const Vec3 t{sx / n, 0, 1 / n};  // (0,0,1) + sx (1,0,0), normalised
    Vec3 f{t.x, t.y + sy, t.z};
    Vec3 r{1 - sx * t.x, 0, -sx * t.z};
    Vec3 u{-sy * t.x, 1, -sy * t.z};
    vec3_formalize(f);
    vec3_formalize(r);
    vec3_formalize(u);
    expect_near(fx.vp.forward, f.x, f.y, f.z);
    expect_near(fx.vp.right, r.x, r.y, r.z);
    expect_near(fx.vp.up, u.x, u.y, u.z);
    // Not re-orthogonalised in this mode.
    EXPECT_GT(std::fabs(vec3_dot(fx.vp.right, fx.vp.forward)), 1e-4);
}

TEST(FlyPolar, TranslatesEveryLiveLevelInItsOwnUnits)
{
    FlightFixture fx;
    fx.push(0.2);
    fx.push(0.1);
    fly_polar(fx.vp, 70, 1, 0, 0);
    expect_near(fx.block[2].position, 0, 0, 0.02);
    expect_near(fx.block[1].position, 0, 0, 0.002);
    expect_near(fx.block[0].position, 0, 0, -2 + 0.0004);
    expect_same(fx.block[3].position, Vec3{7, 7, 7});

    // Backwards along a turned line of sight, scaled the same way.
    FlightFixture back;
    back.push(0.5);
    back.vp.forward = Vec3{0.6, 0, 0.8};
    fly_polar(back.vp, 70, -2.5, 0, 0);
    expect_near(back.block[1].position, -0.03, 0, -0.04);
    expect_near(back.block[0].position, -0.015, 0, -2 - 0.02);
}

TEST(FlyCartesian, DriftsAtRestAndNeverTurns)
{
    FlightFixture fx;
    fx.push(0.5);
    // A basis that is neither orthogonal nor unit: it must stay exactly as is.
    fx.vp.right = Vec3{0.9, 0.1, 0};
    fx.vp.up = Vec3{0, 1.2, 0.1};
    fx.vp.forward = Vec3{0, 0, 1};
    const Viewpoint before = fx.vp;
    fly_cartesian(fx.vp, 0, 0.1, 0);  // (10 * 0.1)^3 = 1 along right
    expect_near(fx.block[1].position, 0.018, 0.002, 0);
    expect_near(fx.block[0].position, 0.009, 0.001, -2);
    fly_cartesian(fx.vp, 0, 0.1, 0);
    expect_near(fx.block[1].position, 0.036, 0.004, 0);
    expect_same(fx.vp.right, before.right);
    expect_same(fx.vp.up, before.up);
    expect_same(fx.vp.forward, before.forward);
    expect_same(fx.block[2].position, Vec3{7, 7, 7});
}

TEST(FlyCartesian, CubesTheSteeringAndAddsTheVelocity)
{
    FlightFixture fx;
    // sy -0.2 gives (10 * -0.2)^3 = -8 along up; velocity 3 along forward.
    fly_cartesian(fx.vp, 3, 0, -0.2);
    expect_near(fx.block[0].position, 0, -0.16, -2 + 0.06);
    // Centred cursor at rest: nothing moves.
    FlightFixture still;
    fly_cartesian(still.vp, 0, 0, 0);
    expect_same(still.block[0].position, Vec3{0, 0, -2});
}

TEST(Relevel, FirstStepFromTheInitialBasis)
{
    FlightFixture fx;
    const double measure = relevel_step(fx.vp);
    expect_near(fx.vp.right, 0.8, 0, 0);
    expect_near(fx.vp.up, 0, 1, 0);
    expect_near(fx.vp.forward, 0, 0, 1);
    EXPECT_NEAR(measure, 0.4, kEps);
    expect_same(fx.block[0].position, Vec3{0, 0, -2});  // re-levelling never moves
}

TEST(Relevel, ConvergesToUprightKeepingTheHeading)
{
    // A rolled, pitched basis: forward climbs 30 degrees heading along +x.
    FlightFixture fx;
    fx.vp.forward = Vec3{std::sqrt(0.75), 0.5, 0};
    fx.vp.up = Vec3{-0.5, std::sqrt(0.75), 0};
    fx.vp.right = Vec3{0, 0, 1};
    double measure = 0;
    int steps = 0;
    while (measure <= 0.99 && steps < 100) {
        measure = relevel_step(fx.vp);
        ++steps;
    }
    EXPECT_GT(measure, 0.99);
    EXPECT_LT(steps, 60);
    // Heading kept (+x), pitch gone, right = forward x world up = (0, 0, 1).
    EXPECT_GT(fx.vp.forward.x, 0.9);
    EXPECT_NEAR(fx.vp.forward.y / fx.vp.forward.x, 0, 0.1);
    EXPECT_GT(fx.vp.right.z, 0.9);
}

TEST(Relevel, VerticalSightWarnsAndPicksADefaultHeading)
{
    FlightFixture fx;
    fx.vp.forward = Vec3{0, 1, 0};
    fx.vp.up = Vec3{0, 0, -1};
    testing::internal::CaptureStderr();
    const double measure = relevel_step(fx.vp);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "vec3_formalize: warning: zero vector\n");
    // Target f = (0, 0, 1): forward moves a tenth of the way there.
    expect_near(fx.vp.forward, 0, 0.9, 0.1);
    EXPECT_TRUE(std::isfinite(measure));
}

TEST(BlendBasis, MovesByTheWeightAndMeasuresTheNewVectors)
{
    FlightFixture fx;
    const Vec3 r{0, 0, 1}, u{0, 1, 0}, f{-1, 0, 0};
    // w 0 changes nothing: only up agrees, measure 1/3.
    EXPECT_NEAR(blend_basis(fx.vp, r, u, f, 0), 1.0 / 3, kEps);
    expect_same(fx.vp.right, Vec3{1, 0, 0});
    // w 0.5: halfway, not normalised.
    EXPECT_NEAR(blend_basis(fx.vp, r, u, f, 0.5), (0.5 + 1 + 0.5) / 3, kEps);
    expect_near(fx.vp.right, 0.5, 0, 0.5);
    expect_near(fx.vp.forward, -0.5, 0, 0.5);
    // w 1 arrives.
    EXPECT_NEAR(blend_basis(fx.vp, r, u, f, 1), 1, kEps);
    expect_near(fx.vp.right, 0, 0, 1);

    // The measure is an absolute value: a basis pointing the opposite way
    // everywhere scores 1, not -1.
    FlightFixture opposite;
    const Vec3 mr{-1, 0, 0}, mu{0, -1, 0}, mf{0, 0, -1};
    EXPECT_NEAR(blend_basis(opposite.vp, mr, mu, mf, 0), 1, kEps);
}

}  // namespace
