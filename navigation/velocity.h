#pragma once

#include <X11/Intrinsic.h>

// Arithmetic of the velocity and cursor operations, free of X.
double velocity_after_add(double velocity, double x);
double velocity_after_brake(double velocity, double x);
// a and b are fractions of the half-size; results truncate towards zero.
int cursor_offset_to(double fraction, int center);
int cursor_offset_by(double fraction, int center, int offset);

// The operations the input actions install and every frame applies.
void velocity_set(Widget w, double x);
void velocity_add(Widget w, double x);
void velocity_brake(Widget w, double x);
void cursor_move_to(Widget w, double a, double b);
void cursor_move_by(Widget w, double a, double b);
