#pragma once

constexpr int kRingSteps = 120;  // one entry every 3 degrees

// Filled once at start-up; galaxy rings never call sin or cos while drawing.
extern double cosTable[kRingSteps];
extern double sinTable[kRingSteps];

void init_trig_tables();
