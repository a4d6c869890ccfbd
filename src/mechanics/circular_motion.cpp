#include "mechanics/circular_motion.h"

#include "mechanics/numbers.h"
#include "mechanics/working.h"

namespace mechanics {

Centripetal solve_circular_motion(const CircularInput &input, Working &w)
{
    const bool linear = input.given == GivenSpeed::Linear;
    const char separator = input.decimal_separator;
    w.solve();
    const Number speed = linear ? w.read("v", input.speed, Dimension::Speed, separator)
                                : w.read("ω", input.speed, Dimension::AngularSpeed, separator);
    const Number radius = w.read("R", input.radius, Dimension::Length, separator);
    const Number mass = w.read("m", input.mass, Dimension::Mass, separator);
    const Number a = w.let("a", [&] { return linear ? sq(speed) / radius : radius * sq(speed); });
    if (linear)
        w.text("由 a = \\frac{v^2}{R} 得 a = \\frac{").value(speed).text("^2}{").value(radius);
    else
        w.text("由 a = ω^2R 得 a = ").value(speed).text("^2×").value(radius);
    w.text(linear ? "} m/s^2 " : " m/s^2 ").result(a).text(" m/s^2");
    w.end_line();
    const Number force = w.let("F", [&] { return a * mass; });
    w.text("由牛顿第二定律 F = ma 得 F = ").value(mass).text("×").value(a).text(" N ");
    w.result(force).text(" N");
    w.end_line();
    w.text("答：向心加速度 a 为 ").answer(a, Dimension::Acceleration).text("，向心力 F 为 ");
    w.answer(force, Dimension::Force).text("。");
    w.end_line();
    return {a.value(), force.value()};
}

} // namespace mechanics
