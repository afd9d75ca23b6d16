#pragma once

struct Viewpoint;
struct RenderContext;

constexpr double kLeaveDistance = 1.1;  // radii from the centre beyond which a galaxy is left

// After a frame's drawing: enters the galaxy the drawing marked, or else leaves
// the current galaxy when the viewer is more than 1.1 of its radii from its
// centre. Returns the factor the velocity is to be multiplied by: the entered
// galaxy's scale, the left level's scale, or 1 when the stack is unchanged.
double galaxy_transition(Viewpoint &vp, const RenderContext &rc);
