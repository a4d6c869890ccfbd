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

// An angle as the student gave it: in degrees or in radians.
struct Angle {
    double typed = 0;
    bool degrees = false;

    // A whole multiple of 90°: its cosine and sine are exactly 0, 1 or −1, as
    // every teacher expects of cos 90°, not the 6.1e-17 or 1.6e-15 that π
    // taken to any number of digits leaves.
    bool right_angle_multiple() const;
    // In radians, degrees turned with the fifteen-digit π (value × π ÷ 180).
    double radians() const;
    double cos() const;
    double sin() const;
};

} // namespace mechanics
