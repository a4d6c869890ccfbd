// A satellite on a circular orbit around the Earth, gravity being its
// centripetal force: G·mM/r² = m·v²/r.
#pragma once

#include <optional>
#include <string_view>

namespace mechanics {

class Working;

inline constexpr double GRAVITATIONAL_CONSTANT = 6.67E-11; // G, N·m²/kg²
inline constexpr double EARTH_MASS = 5.98E+24;             // M, kg
inline constexpr double EARTH_RADIUS = 6370000;            // R, m

struct Orbit {
    double speed;         // v, m/s
    double period;        // T, s
    double angular_speed; // ω, rad/s
};

// What the page hands over: the typed height above the ground.
struct SatelliteInput {
    std::string_view height;
    char decimal_separator = '.';
};

// The orbit at the height above the ground, or nothing when the height is
// negative (zero, also -0, passes). With r = h + R:
// v = √(GM / r), ω = v / r, T = (r · 2π) / v, where GM = G·M and 2π = 2·π
// are formed first. Raises CalculationFailure for a height that is not a
// length or when a step overflows.
std::optional<Orbit> solve_satellite(const SatelliteInput &input, Working &working);

} // namespace mechanics
