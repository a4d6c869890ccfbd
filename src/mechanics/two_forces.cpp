#include "mechanics/two_forces.h"

#include "mechanics/numbers.h"
#include "mechanics/working.h"

#include <cmath>

namespace mechanics {

namespace {

// The direction of the resultant, where it has one, and 答.
void direction_and_answer(Number f1, Number f2, const Angle &alpha, Number resultant, Working &w)
{
    if (resultant == 0) {
        w.text("答：合力大小为 ").answer(resultant, Dimension::Force).text("，没有方向。");
        w.end_line();
        return;
    }
    const Number along = f1 + f2 * alpha.cos(); // the resultant's part along F1
    const Number across = f2 * alpha.sin();
    Number theta = std::atan2(across.value(), along.value());
    if (alpha.degrees)
        theta = theta * 180 / PI_15;
    const std::string_view unit = alpha.degrees ? "°" : " rad";
    w.text("设 F_合 与 F_1 的夹角为 θ，由 tan θ = \\frac{F_2sin α}{F_1 + F_2cos α} = \\frac{");
    w.value(f2).text("×sin ").angle(alpha);
    w.text("}{").value(f1).text(" + ").value(f2).text("×cos ").angle(alpha);
    w.text("} 得 θ ").result(theta).text(unit);
    w.end_line();
    w.text("答：合力大小为 ").answer(resultant, Dimension::Force).text("，方向与 F_1 成 ");
    w.figures(theta).text(unit).text("。");
    w.end_line();
}

} // namespace

double compose_two_forces(double f1, double f2, Angle alpha)
{
    const Number c = alpha.cos();
    const Number F1 = f1, F2 = f2;
    // The order of the sums decides the fifteenth digit of the answer
    // (5 N, 5 N at 120° gives 5.00000000000001), so it is kept exactly.
    return root((sq(F1) + sq(F2)) + 2.0 * F1 * F2 * c).value();
}

double solve_two_forces(const TwoForceInput &input, Working &w)
{
    const char separator = input.decimal_separator;
    w.solve();
    const Angle alpha = w.read_angle("α", input.alpha, input.degrees, separator);
    w.radians_line(alpha);
    const Number f1 = w.read("F_1", input.f1, Dimension::Force, separator);
    const Number f2 = w.read("F_2", input.f2, Dimension::Force, separator);
    w.line("由平行四边形定则 F_合 = \\sqrt{F_1^2 + F_2^2 + 2F_1F_2cos α} 得");
    const Number f =
        w.let("F_合", [&] { return compose_two_forces(f1.value(), f2.value(), alpha); });
    w.text("F_合 = \\sqrt{").value(f1).text("^2 + ").value(f2).text("^2 + 2×").value(f1);
    w.text("×").value(f2).text("×cos ").angle(alpha).text("} N ").result(f).text(" N");
    w.end_line();
    direction_and_answer(f1, f2, alpha, f, w);
    return f.value();
}

} // namespace mechanics
