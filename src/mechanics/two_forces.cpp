#include "mechanics/two_forces.h"

#include "mechanics/numbers.h"
#include "mechanics/trigonometry.h"
#include "mechanics/working.h"

namespace mechanics {

double compose_two_forces(double f1, double f2, double alpha)
{
    const double c = checked(cosine(alpha));
    // The order of the sums decides the fifteenth digit of the answer
    // (5 N, 5 N at 120° gives 5.00000000000001), so it is kept exactly.
    const double s = add(add(square(f1), square(f2)), mul(mul(mul(2.0, f1), f2), c));
    return square_root(s);
}

double resultant(const TwoForceInput &input, Working &w)
{
    const char separator = input.decimal_separator;
    w.solve();
    const double angle = w.read("α", input.alpha, input.degrees ? "°" : "rad", separator);
    double alpha = angle;
    if (input.degrees) {
        w.step("α");
        alpha = degrees_to_radians(angle);
        w.text("α = ").value(angle, false).text("° = \\frac{").value(angle).text("×π}{180} rad = ");
        w.value(alpha, false).text(" rad（π 取 3.14159265358979）");
        w.end_line();
    }
    const double f1 = w.read("F_1", input.f1, "N", separator);
    const double f2 = w.read("F_2", input.f2, "N", separator);
    w.text("由平行四边形定则 F_合 = \\sqrt{F_1^2 + F_2^2 + 2F_1F_2cos α} 得");
    w.end_line();
    w.step("F_合");
    const double f = compose_two_forces(f1, f2, alpha);
    w.text("F_合 = \\sqrt{").value(f1).text("^2 + ").value(f2).text("^2 + 2×").value(f1);
    w.text("×").value(f2).text("×cos ").value(alpha).text("} N ").result(f).text(" N");
    w.end_line();
    w.text("答：合力的大小为 ").figures(f).text(" N。");
    w.end_line();
    return f;
}

} // namespace mechanics
