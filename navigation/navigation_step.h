#pragma once

struct MainScreenPart;

// The frame's move of the viewer: one flight step (polar or cartesian) while
// steering, one re-levelling step while re-levelling, nothing while frozen.
// Re-levelling ends, back to steering, once the basis agrees above 0.99.
void navigation_step(MainScreenPart &ms);
