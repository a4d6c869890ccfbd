#include "mechanics/work_power.h"

#include "mechanics/numbers.h"

#include <cmath>

namespace mechanics {

WorkPower compute_work_power(const WorkPowerInput &input)
{
    const char separator = input.decimal_separator;
    double alpha = read_number(input.angle, separator);
    if (!input.angle_in_radians)
        alpha = degrees_to_radians(alpha);

    // The products keep their order: s·F before the cosine, and v·F before t;
    // the fifteenth digit of the results depends on it.
    double work = 0;
    if (input.mode == PowerMode::Average) {
        const double c = checked(std::cos(alpha));
        const double force = read_number(input.force, separator);
        const double displacement = read_number(input.displacement, separator);
        work = mul(mul(displacement, force), c);
    } else {
        const double c = checked(std::cos(alpha));
        const double force = read_number(input.force, separator);
        const double speed = read_number(input.speed, separator);
        const double k = mul(speed, force);
        const double time = read_number(input.time, separator);
        work = mul(mul(time, k), c);
    }

    // A zero t fails in both modes: W / 0, or 0 / 0 when the speed mode made W zero.
    const double time = read_number(input.time, separator);
    return {work, divide(work, time)};
}

} // namespace mechanics
