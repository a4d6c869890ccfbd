#include "mechanics/work_power.h"

#include "mechanics/numbers.h"
#include "mechanics/trigonometry.h"
#include "mechanics/working.h"

namespace mechanics {

WorkPower compute_work_power(const WorkPowerInput &input, Working *w)
{
    Working scratch;
    Working &work = w ? *w : scratch;
    const char separator = input.decimal_separator;
    const bool average = input.mode == PowerMode::Average;
    work.solve();
    const double angle =
        work.read("α", input.angle, input.angle_in_radians ? "rad" : "°", separator);
    double alpha = angle;
    if (!input.angle_in_radians) {
        work.step("α");
        alpha = degrees_to_radians(angle);
        work.text("α = ").value(angle, false).text("° = \\frac{").value(angle);
        work.text("×π}{180} rad = ").value(alpha, false).text(" rad（π 取 3.14159265358979）");
        work.end_line();
    }
    // The products keep their order: s·F before the cosine, and v·F before t;
    // the fifteenth digit of the results depends on it.
    double result = 0;
    work.step("W");
    const double c = checked(cosine(alpha));
    if (average) {
        const double force = work.read("F", input.force, "N", separator);
        const double displacement = work.read("s", input.displacement, "m", separator);
        result = mul(mul(displacement, force), c);
        work.text("由 W = Fscos α 得 W = ").value(force).text("×").value(displacement);
    } else {
        const double force = work.read("F", input.force, "N", separator);
        const double speed = work.read("v", input.speed, "m/s", separator);
        const double k = mul(speed, force);
        const double time = work.read("t", input.time, "s", separator);
        result = mul(mul(time, k), c);
        work.text("由 W = Fscos α，s = vt 得 W = Fvtcos α = ").value(force).text("×").value(speed);
        work.text("×").value(time);
    }
    work.text("×cos ").value(alpha).text(" J ").result(result).text(" J");
    work.end_line();
    // A zero t fails in both modes: W / 0, or 0 / 0 when the speed mode made W zero.
    const double time =
        average ? work.read("t", input.time, "s", separator) : read_number(input.time, separator);
    work.order_knowns({"F", "s", "v", "t", "α"});
    work.step("P");
    const double power = divide(result, time);
    work.text(average ? "由 P = \\frac{W}{t} 得 P = \\frac{"
                      : "由 P = \\frac{W}{t} = Fvcos α 得 P = \\frac{");
    work.value(result).text("}{").value(time).text("} W ").result(power).text(" W");
    work.end_line();
    work.text("答：功 W 为 ").figures(result);
    work.text(average ? " J，平均功率 P 为 " : " J，瞬时功率 P 为 ").figures(power).text(" W。");
    work.end_line();
    return {result, power};
}

} // namespace mechanics
