#include "mechanics/satellite.h"

#include "mechanics/numbers.h"
#include "mechanics/working.h"

namespace mechanics {

namespace {

// The orbit's three steps after r, each with its line.
Orbit orbit(Number r, Working &w)
{
    const Number gm = Number(GRAVITATIONAL_CONSTANT) * EARTH_MASS;
    const Number two_pi = 2.0 * Number(PI_15);
    w.line("由万有引力提供向心力 G\\frac{Mm}{r^2} = m\\frac{v^2}{r} 得 v = \\sqrt{\\frac{GM}{r}}");
    const Number v = w.let("v", [&] { return root(gm / r); });
    w.text("v = \\sqrt{\\frac{").value(GRAVITATIONAL_CONSTANT).text("×").value(EARTH_MASS);
    w.text("}{").value(r).text("}} m/s ").result(v).text(" m/s");
    w.end_line();
    const Number omega = w.let("ω", [&] { return v / r; });
    w.text("由 v = ωr 得 ω = \\frac{v}{r} = \\frac{").value(v).text("}{").value(r);
    w.text("} rad/s ").result(omega).text(" rad/s");
    w.end_line();
    const Number period = w.let("T", [&] { return r * two_pi / v; });
    w.text("由 T = \\frac{2πr}{v} 得 T = \\frac{2×").text(PI_15_TEXT).text("×").value(r);
    w.text("}{").value(v).text("} s ").result(period).text(" s");
    w.end_line();
    return {v.value(), period.value(), omega.value()};
}

} // namespace

std::optional<Orbit> solve_satellite(const SatelliteInput &input, Working &w)
{
    w.solve();
    const Number height = w.read("h", input.height, Dimension::Length, input.decimal_separator);
    if (height < 0) {
        w.message("输入错误：高度 h 不能小于零。");
        return std::nullopt;
    }
    w.known("G", GRAVITATIONAL_CONSTANT, "N·m^2/kg^2");
    w.known("M", EARTH_MASS, "kg", "（地球质量）");
    w.known("R", EARTH_RADIUS, "m", "（地球半径）");
    const Number r = w.let("r", [&] { return height + EARTH_RADIUS; });
    w.text("轨道半径 r = R + h = (").value(EARTH_RADIUS).text(" + ").value(height);
    w.text(") m = ").value(r, false).text(" m");
    w.end_line();
    const Orbit o = orbit(r, w);
    w.text("答：卫星的线速度 v 为 ").answer(o.speed, Dimension::Speed).text("，周期 T 为 ");
    w.answer(o.period, Dimension::Time).text("，角速度 ω 为 ").figures(o.angular_speed);
    w.text(" rad/s。");
    w.end_line();
    return o;
}

} // namespace mechanics
