#include <gtest/gtest.h>

#include "shell/vec3.h"

namespace {

void expect_vec(const Vec3 &v, double x, double y, double z)
{
    EXPECT_DOUBLE_EQ(v.x, x);
    EXPECT_DOUBLE_EQ(v.y, y);
    EXPECT_DOUBLE_EQ(v.z, z);
}

TEST(Vec3, FormalizeScalesAndWarnsOnlyOnZero)
{
    Vec3 v{3, 4, 0};
    testing::internal::CaptureStderr();
    vec3_formalize(v);
    Vec3 down{0, 0, -5};
    vec3_formalize(down);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    expect_vec(v, 0.6, 0.8, 0);
    expect_vec(down, 0, 0, -1);

    Vec3 zero{0, 0, 0};
    testing::internal::CaptureStderr();
    vec3_formalize(zero);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "vec3_formalize: warning: zero vector\n");
    expect_vec(zero, 0, 0, 1);

    // A tiny but non-zero vector is scaled up, not replaced.
    Vec3 tiny{1e-100, 0, 0};
    vec3_formalize(tiny);
    expect_vec(tiny, 1, 0, 0);
}

TEST(Vec3, CrossFollowsTheRightHandRule)
{
    Vec3 out{};
    vec3_cross(out, Vec3{1, 0, 0}, Vec3{0, 1, 0});
    expect_vec(out, 0, 0, 1);
    vec3_cross(out, Vec3{0, 0, 1}, Vec3{0, 1, 0});
    expect_vec(out, -1, 0, 0);
}

TEST(Vec3, ToBasisInPlaceEqualsSeparateOutput)
{
    const Vec3 ex{1, 0, 0}, ey{0, 1, 0}, ez{0, 0, 1}, mx{-1, 0, 0};
    Vec3 v{1, 2, 3}, out{};
    vec3_to_basis(out, v, ex, ey, ez);
    expect_vec(out, 1, 2, 3);
    vec3_to_basis(out, v, mx, ey, ez);
    expect_vec(out, -1, 2, 3);

    const Vec3 a{0.6, 0.8, 0}, b{-0.8, 0.6, 0};
    Vec3 separate{};
    vec3_to_basis(separate, v, a, b, ez);
    vec3_to_basis(v, v, a, b, ez);
    expect_vec(v, separate.x, separate.y, separate.z);
}

TEST(Vec3, SumsRunXThenYThenZ)
{
    // (1e16 + 1) - 1e16 loses the 1 only when summed in that order.
    const Vec3 v{1e16, 1, -1e16};
    EXPECT_EQ(vec3_dot(v, Vec3{1, 1, 1}), 0.0);
    EXPECT_EQ(vec3_dot(Vec3{1, 1e16, -1e16}, Vec3{1, 1, 1}), 0.0);
    EXPECT_EQ(vec3_dot(Vec3{-1e16, 1e16, 1}, Vec3{1, 1, 1}), 1.0);
}

TEST(Vec3, ScaleAddAndSet)
{
    Vec3 v{};
    vec3_set(v, 1, -2, 3);
    vec3_scale(v, -1);
    expect_vec(v, -1, 2, -3);
    vec3_add(v, 0, 0, 0);
    expect_vec(v, -1, 2, -3);
    vec3_add(v, 1, 1, 1);
    expect_vec(v, 0, 3, -2);
    EXPECT_DOUBLE_EQ(vec3_length(Vec3{2, 3, 6}), 7);
}

}  // namespace
