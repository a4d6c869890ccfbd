#include "mechanics/work_power.h"

#include "mechanics/numbers.h"
#include "mechanics/working.h"

namespace mechanics {

namespace {

// What both modes start from: α read, the force read after it, and cos α.
struct Start {
    const WorkPowerInput &input;
    Angle alpha;
    Number force;
    Number c;

    Number read(Working &w, std::string_view symbol, std::string_view text, Dimension d) const
    {
        return w.read(symbol, text, d, input.decimal_separator);
    }
};

WorkPower average(const Start &g, Working &w)
{
    const Number s = g.read(w, "s", g.input.displacement, Dimension::Length);
    // s·F before the cosine: the fifteenth digit of the results depends on it.
    const Number work = w.let("W", [&] { return s * g.force * g.c; });
    w.text("由 W = Fscos α 得 W = ").value(g.force).text("×").value(s).text("×cos ");
    w.angle(g.alpha).text(" J ").result(work).text(" J");
    w.end_line();
    if (blank(g.input.time)) { // the work needs no time; the power does
        w.line("由 P = \\frac{W}{t} 求平均功率还需已知时间 t。");
        w.text("答：功 W 为 ").figures(work).text(" J。");
        w.end_line();
    }
    const Number t = g.read(w, "t", g.input.time, Dimension::Time);
    const Number power = w.let("P", [&] { return work / t; });
    w.text("由 P = \\frac{W}{t} 得 P = \\frac{").value(work).text("}{").value(t).text("} W ");
    w.result(power).text(" W");
    w.end_line();
    w.text("答：功 W 为 ").figures(work).text(" J，平均功率 P 为 ");
    w.answer(power, Dimension::Power).text("。");
    w.end_line();
    return {work.value(), power.value()};
}

// P = Fv cos α, the power at the moment the speed is v.
void power_line(const Start &g, Number v, Number power, Working &w)
{
    w.text("由 P = Fvcos α 得此时的瞬时功率 P = ").value(g.force).text("×").value(v);
    w.text("×cos ").angle(g.alpha).text(" W ").result(power).text(" W");
    w.end_line();
}

WorkPower instantaneous(const Start &g, Working &w)
{
    const Number v = g.read(w, "v", g.input.speed, Dimension::Speed);
    // v·F first, then t: the order of the products decides the fifteenth digit.
    const Number k = v * g.force;
    if (blank(g.input.time)) { // the power at this moment needs no time
        const Number power = w.let("P", [&] { return k * g.c; });
        power_line(g, v, power, w);
        w.text("答：瞬时功率 P 为 ").answer(power, Dimension::Power);
        w.text("；求功 W 还需已知时间 t。");
        w.end_line();
    }
    const Number t = g.read(w, "t", g.input.time, Dimension::Time);
    const Number work = w.let("W", [&] { return t * k * g.c; });
    // A zero t fails: 0 / 0 when the speed made W zero, W / 0 otherwise.
    const Number power = w.let("P", [&] { return work / t; });
    power_line(g, v, power, w);
    w.text("若速度始终保持 v 不变，t 内力做的功 W = Fvtcos α = ").value(g.force).text("×");
    w.value(v).text("×").value(t).text("×cos ").angle(g.alpha);
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
    const bool average_power = input.mode == PowerMode::Average;
    w.solve();
    w.order_knowns({"F", average_power ? "s" : "v", "t", "α"});
    const Angle alpha =
        w.read_angle("α", input.angle, !input.angle_in_radians, input.decimal_separator);
    w.radians_line(alpha);
    const Number c = alpha.cos();
    const Start start{input, alpha,
                      w.read("F", input.force, Dimension::Force, input.decimal_separator), c};
    return average_power ? average(start, w) : instantaneous(start, w);
}

} // namespace mechanics
