// The resultant of two forces that act on one body at an angle.
#pragma once

#include "mechanics/trigonometry.h"

#include <string_view>

namespace mechanics {

class Working;

// |F| = √(F1² + F2² + 2·F1·F2·cos α), evaluated as (F1² + F2²) + ((2·F1)·F2)·cos α.
// Negative magnitudes are used as typed.
double compose_two_forces(double f1, double f2, Angle alpha);

// What the page hands over: the typed texts and the page's unit of α.
struct TwoForceInput {
    std::string_view f1;
    std::string_view f2;
    std::string_view alpha;
    bool degrees = false;
    char decimal_separator = '.';
};

// The page's click: α is read at once, F1 and F2 where the formula uses them.
// The working adds the direction of the resultant, the angle θ it makes with
// F1 (tan θ = F2 sin α / (F1 + F2 cos α)), in the unit α was given in.
double solve_two_forces(const TwoForceInput &input, Working &working);

} // namespace mechanics
