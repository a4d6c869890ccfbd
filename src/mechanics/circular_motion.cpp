#include "mechanics/circular_motion.h"

#include "mechanics/numbers.h"

namespace mechanics {

Centripetal centripetal(GivenSpeed given, double speed, double radius, double mass)
{
    const double a =
        given == GivenSpeed::Linear ? divide(square(speed), radius) : mul(radius, square(speed));
    return {a, mul(a, mass)};
}

} // namespace mechanics
