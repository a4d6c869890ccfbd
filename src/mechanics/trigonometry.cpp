#include "mechanics/trigonometry.h"

#include <mpfr.h>

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

} // namespace mechanics
