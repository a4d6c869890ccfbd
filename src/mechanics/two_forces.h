// The resultant of two forces that act on one body at an angle.
#pragma once

namespace mechanics {

// |F| = √(F1² + F2² + 2·F1·F2·cos α), α in radians, evaluated as
// (F1² + F2²) + ((2·F1)·F2)·cos α. Negative magnitudes are used as typed.
double compose_two_forces(double f1, double f2, double alpha);

} // namespace mechanics
