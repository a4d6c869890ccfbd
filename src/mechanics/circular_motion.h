// Uniform circular motion: centripetal acceleration and force.
#pragma once

#include <string_view>

namespace mechanics {

class Working;

// Which speed the user gives: the linear speed v or the angular speed ω.
enum class GivenSpeed { Linear, Angular };

struct Centripetal {
    double acceleration; // a
    double force;        // F
};

// What the page hands over: which speed is given, and the typed texts; the
// box of the other speed is never read.
struct CircularInput {
    GivenSpeed given = GivenSpeed::Linear;
    std::string_view speed;
    std::string_view radius;
    std::string_view mass;
    char decimal_separator = '.';
};

// a = v²/R (v given) or a = R·ω² (ω given), then F = a·m. No sign or range is
// checked; R = 0 with v given is a division by zero (CalculationFailure), with
// ω given it simply gives a = 0.
Centripetal solve_circular_motion(const CircularInput &input, Working &working);

} // namespace mechanics
