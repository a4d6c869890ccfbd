#include "mechanics/circular_motion.h"

#include "mechanics/numbers.h"
#include "mechanics/working.h"

namespace mechanics {

Centripetal centripetal(GivenSpeed given, double speed, double radius, double mass, Working *w)
{
    Working scratch;
    Working &work = w ? *w : scratch;
    const bool linear = given == GivenSpeed::Linear;
    work.step("a");
    const double a = linear ? divide(square(speed), radius) : mul(radius, square(speed));
    if (linear)
        work.text("由 a = \\frac{v^2}{R} 得 a = \\frac{")
            .value(speed)
            .text("^2}{")
            .value(radius)
            .text("}");
    else
        work.text("由 a = ω^2R 得 a = ").value(speed).text("^2×").value(radius);
    work.text(" m/s^2 ").result(a).text(" m/s^2");
    work.end_line();
    work.step("F");
    const double force = mul(a, mass);
    work.text("由牛顿第二定律 F = ma 得 F = ").value(mass).text("×").value(a).text(" N ");
    work.result(force).text(" N");
    work.end_line();
    work.text("答：向心加速度 a 为 ").figures(a).text(" m/s^2，向心力 F 为 ").figures(force);
    work.text(" N。");
    work.end_line();
    return {a, force};
}

} // namespace mechanics
