// The cosine and sine of the calculators: correctly rounded, so that every
// platform and every processor shows the same digits.
#pragma once

namespace mechanics {

// Near every multiple of π/2 the cosine of an angle typed in degrees is tiny
// (cos 90° is about 1.6e-15, π being taken as 3.14159265358979): MinGW's run-time
// asks the x87 unit, whose 66-bit π leaves only about six of its digits. Even
// libraries with an exact argument reduction round the last bit differently
// from each other (glibc's own result depends on whether the processor has FMA),
// and one time in a few hundred that changes a fifteen-digit box. MPFR rounds
// the exact value, which is also glibc's result wherever glibc's is exact.
double cosine(double radians);
double sine(double radians);

} // namespace mechanics
