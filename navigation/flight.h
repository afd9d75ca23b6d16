#pragma once

#include "navigation/viewpoint.h"

// One flight step per frame. Every step moves the viewer in all live levels of
// the galaxy stack at once, each in its own units, so the stack stays consistent.

// The pointer turns the line of sight within pitchLimit degrees (90 or more:
// no limit, the view may roll) and the viewer flies along it.
void fly_polar(Viewpoint &vp, int pitchLimit, double velocity, double sx, double sy);
// The line of sight never turns: sx and sy drift the viewer sideways and up.
void fly_cartesian(Viewpoint &vp, double velocity, double sx, double sy);
// Eases the basis one step towards upright; returns the agreement (0 to 1).
double relevel_step(Viewpoint &vp);
// Moves each basis vector a fraction w towards its target; returns the
// absolute mean agreement of the new vectors with the targets.
double blend_basis(Viewpoint &vp, const Vec3 &r, const Vec3 &u, const Vec3 &f, double w);
