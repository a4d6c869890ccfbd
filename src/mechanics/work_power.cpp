#include "mechanics/work_power.h"

#include "mechanics/numbers.h"
#include "mechanics/working.h"

namespace mechanics {

namespace {

void write_cosine(Working &w, const Angle &alpha)
{
    w.text("×cos ").value(alpha.typed, !alpha.degrees).text(alpha.degrees ? "°" : "");
}

// α in degrees that is not a whole multiple of 90°: the radians it is taken as.
void degrees_line(const Angle &alpha, Working &w)
{
    if (!alpha.degrees || alpha.right_angle_multiple())
        return;
    const Number radians = w.let("α", [&] { return alpha.radians(); });
    w.text("α = ").value(alpha.typed, false).text("° = \\frac{").value(alpha.typed);
    w.text("×π}{180} rad = ").value(radians, false).text(" rad（π 取 ").text(PI_15_TEXT);
    w.text("）");
    w.end_line();
}

struct Read {
    const WorkPowerInput &input;
    Working &w;
    Number operator()(std::string_view symbol, std::string_view text, Dimension d) const
    {
        return w.read(symbol, text, d, input.decimal_separator);
    }
};

WorkPower average(const WorkPowerInput &input, const Angle &alpha, Working &w)
{
    const Read read{input, w};
    w.order_knowns({"F", "s", "t", "α"});
    const Number c = alpha.cos();
    const Number force = read("F", input.force, Dimension::Force);
    const Number s = read("s", input.displacement, Dimension::Length);
    // s·F before the cosine: the fifteenth digit of the results depends on it.
    const Number work = w.let("W", [&] { return s * force * c; });
    w.text("由 W = Fscos α 得 W = ").value(force).text("×").value(s);
    write_cosine(w, alpha);
    w.text(" J ").result(work).text(" J");
    w.end_line();
    if (blank(input.time)) { // the work needs no time; the power does
        w.line("由 P = \\frac{W}{t} 求平均功率还需已知时间 t。");
        w.text("答：功 W 为 ").figures(work).text(" J。");
        w.end_line();
    }
    const Number t = read("t", input.time, Dimension::Time);
    const Number power = w.let("P", [&] { return work / t; });
    w.text("由 P = \\frac{W}{t} 得 P = \\frac{").value(work).text("}{").value(t).text("} W ");
    w.result(power).text(" W");
    w.end_line();
    w.text("答：功 W 为 ").figures(work).text(" J，平均功率 P 为 ");
    w.answer(power, Dimension::Power).text("。");
    w.end_line();
    return {work.value(), power.value()};
}

WorkPower instantaneous(const WorkPowerInput &input, const Angle &alpha, Working &w)
{
    const Read read{input, w};
    w.order_knowns({"F", "v", "t", "α"});
    const Number c = alpha.cos();
    const Number force = read("F", input.force, Dimension::Force);
    const Number v = read("v", input.speed, Dimension::Speed);
    // v·F first, then t: the order of the products decides the fifteenth digit.
    const Number k = v * force;
    if (blank(input.time)) { // the power at this moment needs no time
        const Number power = w.let("P", [&] { return k * c; });
        w.text("由 P = Fvcos α 得此时的瞬时功率 P = ").value(force).text("×").value(v);
        write_cosine(w, alpha);
        w.text(" W ").result(power).text(" W");
        w.end_line();
        w.text("答：瞬时功率 P 为 ")
            .answer(power, Dimension::Power)
            .text("；求功 W 还需已知时间 t。");
        w.end_line();
    }
    const Number t = read("t", input.time, Dimension::Time);
    const Number work = w.let("W", [&] { return t * k * c; });
    // A zero t fails: 0 / 0 when the speed made W zero, W / 0 otherwise.
    const Number power = w.let("P", [&] { return work / t; });
    w.text("由 P = Fvcos α 得此时的瞬时功率 P = ").value(force).text("×").value(v);
    write_cosine(w, alpha);
    w.text(" W ").result(power).text(" W");
    w.end_line();
    w.text("若速度始终保持 v 不变，t 内力做的功 W = Fvtcos α = ").value(force).text("×");
    w.value(v).text("×").value(t);
    write_cosine(w, alpha);
    w.text(" J ").result(work).text(" J");
    w.end_line();
    w.text("答：瞬时功率 P 为 ").answer(power, Dimension::Power);
    w.text("；若速度保持不变，t 内做功 W 为 ").figures(work).text(" J。");
    w.end_line();
    return {work.value(), power.value()};
}

} // namespace

WorkPower solve_work_power(const WorkPowerInput &input, Working &w)
{
    w.solve();
    const Angle alpha =
        w.read_angle("α", input.angle, !input.angle_in_radians, input.decimal_separator);
    degrees_line(alpha, w);
    return input.mode == PowerMode::Average ? average(input, alpha, w)
                                            : instantaneous(input, alpha, w);
}

} // namespace mechanics
