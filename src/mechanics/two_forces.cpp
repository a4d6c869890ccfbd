#include "mechanics/two_forces.h"

#include "mechanics/numbers.h"

#include <cmath>

namespace mechanics {

double compose_two_forces(double f1, double f2, double alpha)
{
    const double c = checked(std::cos(alpha));
    // The order of the sums decides the fifteenth digit of the answer
    // (5 N, 5 N at 120° gives 5.00000000000001), so it is kept exactly.
    const double s = add(add(square(f1), square(f2)), mul(mul(mul(2.0, f1), f2), c));
    return square_root(s);
}

} // namespace mechanics
