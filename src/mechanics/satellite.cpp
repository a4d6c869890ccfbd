#include "mechanics/satellite.h"

#include "mechanics/numbers.h"
#include "mechanics/working.h"

namespace mechanics {

std::optional<Orbit> satellite_orbit(double height, Working *w)
{
    Working scratch;
    Working &work = w ? *w : scratch;
    if (height < 0) {
        work.message("输入错误：高度 h 不能小于零。");
        return std::nullopt;
    }
    work.known("G", GRAVITATIONAL_CONSTANT, "N·m^2/kg^2");
    work.known("M", EARTH_MASS, "kg", "（地球质量）");
    work.known("R", EARTH_RADIUS, "m", "（地球半径）");
    work.step("GM");
    const double gm = mul(GRAVITATIONAL_CONSTANT, EARTH_MASS);
    const double two_pi = mul(2.0, PI_15);
    work.step("r");
    const double r = add(height, EARTH_RADIUS);
    work.text("轨道半径 r = R + h = (").value(EARTH_RADIUS).text(" + ").value(height);
    work.text(") m = ").value(r, false).text(" m");
    work.end_line();
    work.text(
        "由万有引力提供向心力 G\\frac{Mm}{r^2} = m\\frac{v^2}{r} 得 v = \\sqrt{\\frac{GM}{r}}");
    work.end_line();
    work.step("v");
    const double v = square_root(divide(gm, r));
    work.text("v = \\sqrt{\\frac{").value(GRAVITATIONAL_CONSTANT).text("×").value(EARTH_MASS);
    work.text("}{").value(r).text("}} m/s ").result(v).text(" m/s");
    work.end_line();
    work.step("ω");
    const double omega = divide(v, r);
    work.text("由 v = ωr 得 ω = \\frac{v}{r} = \\frac{").value(v).text("}{").value(r);
    work.text("} rad/s ").result(omega).text(" rad/s");
    work.end_line();
    work.step("T");
    const double period = divide(mul(r, two_pi), v);
    work.text("由 T = \\frac{2πr}{v} 得 T = \\frac{2×3.14159265358979×").value(r).text("}{");
    work.value(v).text("} s ").result(period).text(" s");
    work.end_line();
    work.text("答：卫星的线速度 v 为 ").figures(v).text(" m/s，周期 T 为 ").figures(period);
    work.text(" s，角速度 ω 为 ").figures(omega).text(" rad/s。");
    work.end_line();
    return Orbit{v, period, omega};
}

} // namespace mechanics
