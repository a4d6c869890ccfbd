// The resultant of two forces that act on one body at an angle.
#pragma once

#include <string_view>

namespace mechanics {

class Working;

// |F| = √(F1² + F2² + 2·F1·F2·cos α), α in radians, evaluated as
// (F1² + F2²) + ((2·F1)·F2)·cos α. Negative magnitudes are used as typed.
double compose_two_forces(double f1, double f2, double alpha);

// What the page hands over: the typed texts and the unit of α.
struct TwoForceInput {
    std::string_view f1;
    std::string_view f2;
    std::string_view alpha;
    bool degrees = false;
    char decimal_separator = '.';
};

// The page's click: α is read at once (and turned into radians), F1 and F2
// where the formula uses them; the working records each step.
double resultant(const TwoForceInput &input, Working &working);

} // namespace mechanics
