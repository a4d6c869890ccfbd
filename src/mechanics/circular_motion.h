// Uniform circular motion: centripetal acceleration and force.
#pragma once

namespace mechanics {

class Working;

// Which speed the user gives: the linear speed v or the angular speed ω.
enum class GivenSpeed { Linear, Angular };

struct Centripetal {
    double acceleration; // a
    double force;        // F
};

// a = v²/R (v given) or a = R·ω² (ω given), then F = a·m. No sign or range is
// checked; R = 0 with v given is a division by zero (CalculationFailure), with
// ω given it simply gives a = 0.
// The working, if asked for, records each step after 解 and the knowns.
Centripetal centripetal(GivenSpeed given, double speed, double radius, double mass,
                        Working *working = nullptr);

} // namespace mechanics
