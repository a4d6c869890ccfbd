#include "mechanics/trigonometry.h"

#include "mechanics/numbers.h"

#include <mpfr.h>

#include <cmath>

namespace mechanics {

namespace {

// A double's 53 bits, so that MPFR's one rounding is to the nearest double.
constexpr mpfr_prec_t DOUBLE_BITS = 53;

double correctly_rounded(int (*function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), double x)
{
    mpfr_t value;
    mpfr_init2(value, DOUBLE_BITS);
    mpfr_set_d(value, x, MPFR_RNDN); // exact: the precisions are equal
    function(value, value, MPFR_RNDN);
    const double result = mpfr_get_d(value, MPFR_RNDN);
    mpfr_clear(value);
    return result;
}

} // namespace

double cosine(double radians)
{
    return correctly_rounded(mpfr_cos, radians);
}
double sine(double radians)
{
    return correctly_rounded(mpfr_sin, radians);
}

namespace {

// The quarter turns of a right-angle multiple, 0 to 3.
int quarter_turns(double degrees)
{
    constexpr double QUARTER = 90;
    return static_cast<int>(std::fmod(std::fmod(degrees / QUARTER, 4) + 4, 4));
}

} // namespace

bool Angle::right_angle_multiple() const
{
    return degrees && std::isfinite(typed) && std::fmod(typed, 90) == 0;
}

double Angle::radians() const
{
    return degrees ? degrees_to_radians(typed) : typed;
}

double Angle::cos() const
{
    if (right_angle_multiple()) {
        constexpr double COSINES[] = {1, 0, -1, 0};
        return COSINES[quarter_turns(typed)];
    }
    return checked(cosine(radians()));
}

double Angle::sin() const
{
    if (right_angle_multiple()) {
        constexpr double SINES[] = {0, 1, 0, -1};
        return SINES[quarter_turns(typed)];
    }
    return checked(sine(radians()));
}

} // namespace mechanics
