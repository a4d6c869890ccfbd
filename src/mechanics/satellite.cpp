#include "mechanics/satellite.h"

#include "mechanics/numbers.h"

namespace mechanics {

std::optional<Orbit> satellite_orbit(double height)
{
    if (height < 0)
        return std::nullopt;
    const double gm = mul(GRAVITATIONAL_CONSTANT, EARTH_MASS);
    const double two_pi = mul(2.0, PI_15);
    const double r = add(height, EARTH_RADIUS);
    const double v = square_root(divide(gm, r));
    const double omega = divide(v, r);
    const double period = divide(mul(r, two_pi), v);
    return Orbit{v, period, omega};
}

} // namespace mechanics
