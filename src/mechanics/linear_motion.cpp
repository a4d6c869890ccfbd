#include "mechanics/linear_motion.h"

#include "mechanics/messages.h"
#include "mechanics/numbers.h"
#include "mechanics/working.h"

#include <cmath>

namespace mechanics {

namespace {

using Q = MotionQuantity;

constexpr std::string_view INPUT_ERROR = "输入错误！";

struct Lines {
    std::string_view first;
    std::string_view second;
};

constexpr Lines message_lines(MotionMessage message)
{
    switch (message) {
    case MotionMessage::Count:
        return {"请正确输入！", "任意三个已知量，两个未知量。"};
    case MotionMessage::Sign:
        return {INPUT_ERROR,
                "注意：请用正负号表示加速度a的方向。当匀加速运动（即加速度与速度同向）时,"
                "a为正；当匀减速运动（即加速度与速度反向）时,a为负。"};
    case MotionMessage::ZeroDisplacement:
        return {INPUT_ERROR, "注意：位移不能为零。"};
    case MotionMessage::Time:
        return {INPUT_ERROR, "注意：时间必须大于零。"};
    case MotionMessage::Calculation:
        return {"计算错误！", "请重新输入。"};
    }
    return {};
}

// Each quantity's symbol, its words in 答 and its kind, in the order of MotionQuantity.
constexpr std::string_view SYMBOLS[] = {"v_0", "v_t", "a", "S", "t"};
constexpr std::string_view WORDS[] = {"初速度 v_0", "末速度 v_t", "加速度 a", "位移 S", "时间 t"};
constexpr Dimension DIMENSIONS[] = {Dimension::Speed, Dimension::Speed, Dimension::Acceleration,
                                    Dimension::Length, Dimension::Time};

constexpr std::size_t index(Q q)
{
    return static_cast<std::size_t>(q);
}

// The known values of a click, each read from its text when a row asks for it,
// so that the 已知 line and a failing box follow the order of the formulas.
class Knowns {
public:
    Knowns(const MotionInput &input, Working &w) : input_(input), w_(w)
    {
        if (input.known.contains(Q::T))
            t_ = read(Q::T);
    }
    Number v0() const { return read(Q::V0); }
    Number vt() const { return read(Q::Vt); }
    Number a() const { return read(Q::A); }
    Number s() const { return read(Q::S); }
    Number t() const { return t_; }

private:
    Number read(Q q) const
    {
        const std::string_view texts[] = {input_.v0, input_.vt, input_.a, input_.s, input_.t};
        return w_.read(SYMBOLS[index(q)], texts[index(q)], DIMENSIONS[index(q)],
                       input_.decimal_separator);
    }

    const MotionInput &input_;
    Working &w_;
    Number t_;
};

// S = v0·t + (0.5·a)·t², shared by the rows that need the displacement.
Number displacement(Number v0, Number a, Number t, Working &w)
{
    const Number s = w.let("S", [&] { return v0 * t + 0.5 * a * sq(t); });
    w.text("由 S = v_0t + \\frac{1}{2}at^2 得 S = [").value(v0).text("×").value(t);
    w.text(" + \\frac{1}{2}×").value(a).text("×").value(t).text("^2] m ").result(s).text(" m");
    w.end_line();
    return s;
}

// vt = v0 + at solved for t or for a: (vt − v0) divided by the other one.
Number from_speed_change(std::string_view sought, std::string_view by, std::string_view unit,
                         Number v0, Number vt, Number divisor, Working &w)
{
    const Number x = w.let(sought, [&] { return (vt - v0) / divisor; });
    w.text("由 v_t = v_0 + at 得 ").text(sought).text(" = \\frac{v_t − v_0}{").text(by);
    w.text("} = \\frac{").value(vt).text(" − ").value(v0).text("}{").value(divisor);
    w.text("} ").text(unit).text(" ").result(x).text(" ").text(unit);
    w.end_line();
    return x;
}

Number time_from_speeds(Number v0, Number vt, Number a, Working &w)
{
    return from_speed_change("t", "a", "s", v0, vt, a, w);
}

Number acceleration_over(Number v0, Number vt, Number t, Working &w)
{
    return from_speed_change("a", "t", "m/s^2", v0, vt, t, w);
}

// vt = v0 + a·t.
Number speed_after(Number v0, Number a, Number t, Working &w)
{
    const Number vt = w.let("v_t", [&] { return v0 + a * t; });
    w.text("由 v_t = v_0 + at 得 v_t = [").value(v0).text(" + ").value(a).text("×").value(t);
    w.text("] m/s ").result(vt).text(" m/s");
    w.end_line();
    return vt;
}

// With a = 0 and v0 = vt ≠ 0 the motion is uniform: the time comes from
// S = v0·t, where the rows that divide by a could not go on.
bool uniform(Number v0, Number vt, Number a)
{
    return a == 0 && v0 == vt && v0 != 0;
}

Number uniform_time(Number v0, Number s, Working &w)
{
    const Number t = w.let("t", [&] { return s / v0; });
    w.text("a = 0，物体做匀速直线运动，由 S = v_0t 得 t = \\frac{S}{v_0} = \\frac{").value(s);
    w.text("}{").value(v0).text("} s ").result(t).text(" s");
    w.end_line();
    return t;
}

// The likely cause of a time that runs backwards: a size typed as the acceleration.
void suggest_sign(Number a, Working &w)
{
    w.line(a > 0 ? "若为减速运动，a 应取负值。" : "若为加速运动，a 应取正值。");
}

MotionOutcome backwards(std::string_view reason, MotionMessage message, Number a, Working &w)
{
    w.message(reason);
    suggest_sign(a, w);
    return message;
}

constexpr std::string_view NO_ANSWER = "求出的时间 t 为负，不合题意，无解。";

// "末速度 v_t 为 −10.0 m/s（负号表示方向与正方向相反）" in 答.
void signed_answer(Q q, Number value, std::string_view before, Working &w)
{
    w.text(before).text(WORDS[index(q)]).text(" 为 ").answer(value, DIMENSIONS[index(q)]);
    w.text(value < 0 && q != Q::T ? "（负号表示方向与正方向相反）" : "");
}

MotionSolution solution(Q first, Number first_value, Q second, Number second_value, Working &w)
{
    w.text("答：");
    signed_answer(first, first_value, "", w);
    signed_answer(second, second_value, "，", w);
    w.text("。");
    w.end_line();
    return {MotionResult{first, first_value.value()}, MotionResult{second, second_value.value()}};
}

// A known time that carries the motion through a stop and back: when the
// speed was zero, and the trap of a braking vehicle, which stays stopped.
void note_stop(Number v0, Number vt, Number a, Working &w)
{
    // Only the working's: a moment beyond a double leaves the note out, never the boxes.
    const double stop = -v0.value() / a.value();
    if (!((v0 < 0 && vt > 0) || (v0 > 0 && vt < 0)) || !std::isfinite(stop))
        return;
    w.text("注意：v_0 与 v_t 方向相反，物体在 t_停 = −\\frac{v_0}{a} = ").value(stop, false);
    w.text(" s 时速度减为零，之后反向运动；若是刹车的车辆，停下后不再运动，应按停止时间计算。");
    w.end_line();
}

// S = v0²/(2|a|): where the speed reaches zero, signed as v0; infinite where a
// double cannot hold it, so that the working leaves it out.
double stopping_distance(Number v0, Number a)
{
    const double d = v0.value() * v0.value() / (2 * std::fabs(a.value()));
    return v0 < 0 ? -d : d;
}

// The row v0, a, t when t lies beyond the stop: a braking body stays stopped,
// one sliding up a smooth slope turns back. The book answers the first; the
// boxes keep the values of the second.
MotionSolution braking_answer(Number v0, Number a, Number t, Number vt, Number s, Working &w)
{
    if (!std::isfinite(stopping_distance(v0, a))) {
        note_stop(v0, vt, a, w);
        return solution(Q::Vt, vt, Q::S, s, w);
    }
    const Number stop = w.let("t_停", [&] { return -v0 / a; });
    w.text("由 0 = v_0 + at_停 得 t_停 = −\\frac{v_0}{a} = −\\frac{").value(v0).text("}{");
    w.value(a).text("} s ").result(stop).text(" s < ").value(t, false).text(" s");
    w.end_line();
    const Number stopped = w.let("S", [&] { return stopping_distance(v0, a); });
    w.text("由 0 − v_0^2 = 2aS 得 S = ").text(v0 < 0 ? "−" : "");
    w.text("\\frac{v_0^2}{2|a|} = \\frac{").value(v0).text("^2}{2×").value(abs(a), false);
    w.text("} m ").result(stopped).text(" m");
    w.end_line();
    w.text("答：若物体停止后不再运动（如刹车）：t_停 = ").figures(stop).text(" s < ");
    w.value(t, false).text(" s，").value(t, false).text(" s 末速度为 0，").value(t, false);
    w.text(" s 内位移 S = ").answer(stopped, Dimension::Length);
    w.text("；若物体减速到零后反向运动（如沿光滑斜面上滑）：");
    signed_answer(Q::Vt, vt, "", w);
    signed_answer(Q::S, s, "，", w);
    w.text("。");
    w.end_line();
    return {MotionResult{Q::Vt, vt.value()}, MotionResult{Q::S, s.value()}};
}

// ---- The ten rows, one for each set of three known quantities. ----

MotionOutcome from_v0_vt_a(const Knowns &k, Working &w)
{
    const Number vt = k.vt(), v0 = k.v0(), a = k.a();
    if (uniform(v0, vt, a))
        throw CalculationFailure(Failure::DivisionByZero, "uniform motion")
            .explained({"无法计算：a = 0 时物体做匀速直线运动，由 v_0、v_t、a 求不出 t 和 S。"});
    const Number t = time_from_speeds(v0, vt, a, w);
    if (t < 0)
        return backwards("输入错误：t < 0，a 的正负号与运动方向不符。", MotionMessage::Sign, a, w);
    return solution(Q::S, displacement(v0, a, t, w), Q::T, t, w);
}

MotionOutcome from_v0_vt_s(const Knowns &k, Working &w)
{
    const Number s = k.s();
    if (s == 0) {
        w.message("输入错误：位移 S 为零，无法求加速度。");
        return MotionMessage::ZeroDisplacement;
    }
    const Number vt = k.vt(), v0 = k.v0();
    const Number a = w.let("a", [&] { return 0.5 * (sq(vt) - sq(v0)) / s; });
    w.text("由 v_t^2 − v_0^2 = 2aS 得 a = \\frac{v_t^2 − v_0^2}{2S} = \\frac{").value(vt);
    w.text("^2 − ").value(v0).text("^2}{2×").value(s).text("} m/s^2 ").result(a).text(" m/s^2");
    w.end_line();
    const Number t = uniform(v0, vt, a) ? uniform_time(v0, s, w) : time_from_speeds(v0, vt, a, w);
    // A time that runs backwards is no answer, here as in the rows below.
    if (t < 0)
        return backwards(NO_ANSWER, MotionMessage::Calculation, a, w);
    return solution(Q::A, a, Q::T, t, w);
}

MotionOutcome from_v0_vt_t(const Knowns &k, Working &w)
{
    const Number t = k.t();
    if (t <= 0) {
        w.message("输入错误：时间 t 必须大于零。");
        return MotionMessage::Time;
    }
    const Number vt = k.vt(), v0 = k.v0();
    const Number a = acceleration_over(v0, vt, t, w);
    const Number s = displacement(v0, a, t, w);
    note_stop(v0, vt, a, w);
    return solution(Q::S, s, Q::A, a, w);
}

// Where S lies beyond the point at which the body stops, v0² + 2aS < 0: the
// working says so before the root fails.
void never_reaches(Number v0, Number a, Number s, Working &w)
{
    if (!std::isfinite(stopping_distance(v0, a)))
        return;
    w.text("物体运动 \\frac{v_0^2}{2|a|} = ").value(std::fabs(stopping_distance(v0, a)), false);
    w.text(" m 后速度减为零（随后停止或反向运动），永远到达不了 S = ").value(s, false);
    w.text(" m 处。");
    w.end_line();
}

// The other passage of a point that a body moving against a passes twice.
void both_passages(Number v0, Number vt, Number a, Number t, Working &w)
{
    const Number back = -vt;
    const double t2 = (back.value() - v0.value()) / a.value();
    if (!(t2 > 0 && t > 0) || vt == 0 || !std::isfinite(t2))
        return;
    w.text("物体两次经过该处：t = ").result(t).text(" s 时 v_t = ").value(vt, false);
    w.text(" m/s，t = ").result(t2).text(" s 时 v_t = ").value(back, false);
    w.text(t < t2 ? " m/s；框中为第一次经过。" : " m/s；框中为第二次经过。");
    w.end_line();
}

MotionOutcome from_v0_a_s(const Knowns &k, Working &w)
{
    const Number v0 = k.v0(), a = k.a(), s = k.s();
    // The root is the non-negative one: vt never turns against v0 here.
    const Number vt = w.let("v_t", [&] {
        const Number radicand = sq(v0) + 2.0 * a * s;
        if (radicand < 0 && a != 0)
            never_reaches(v0, a, s, w);
        return root(radicand);
    });
    w.text("由 v_t^2 − v_0^2 = 2aS 得 v_t = \\sqrt{v_0^2 + 2aS} = \\sqrt{").value(v0);
    w.text("^2 + 2×").value(a).text("×").value(s).text("} m/s ").result(vt);
    w.text(" m/s（取正根）");
    w.end_line();
    const Number t = uniform(v0, vt, a) ? uniform_time(v0, s, w) : time_from_speeds(v0, vt, a, w);
    if (t < 0)
        return backwards(NO_ANSWER, MotionMessage::Calculation, a, w);
    if (a != 0)
        both_passages(v0, vt, a, t, w);
    return solution(Q::Vt, vt, Q::T, t, w);
}

MotionOutcome from_v0_a_t(const Knowns &k, Working &w)
{
    const Number v0 = k.v0(), a = k.a(), t = k.t();
    const Number vt = speed_after(v0, a, t, w);
    const Number s = displacement(v0, a, t, w);
    if ((v0 > 0 && vt < 0) || (v0 < 0 && vt > 0))
        return braking_answer(v0, a, t, vt, s, w);
    return solution(Q::Vt, vt, Q::S, s, w);
}

MotionOutcome from_v0_s_t(const Knowns &k, Working &w)
{
    const Number s = k.s(), v0 = k.v0(), t = k.t();
    const Number a = w.let("a", [&] { return 2.0 * (s - v0 * t) / sq(t); });
    w.text("由 S = v_0t + \\frac{1}{2}at^2 得 a = \\frac{2(S − v_0t)}{t^2} = \\frac{2×(");
    w.value(s).text(" − ").value(v0).text("×").value(t).text(")}{").value(t);
    w.text("^2} m/s^2 ").result(a).text(" m/s^2");
    w.end_line();
    const Number vt = speed_after(v0, a, t, w);
    note_stop(v0, vt, a, w);
    return solution(Q::Vt, vt, Q::A, a, w);
}

MotionOutcome from_vt_a_s(const Knowns &k, Working &w)
{
    const Number vt = k.vt(), a = k.a(), s = k.s();
    const Number v0 = w.let("v_0", [&] { return root(sq(vt) - 2.0 * a * s); });
    w.text("由 v_t^2 − v_0^2 = 2aS 得 v_0 = \\sqrt{v_t^2 − 2aS} = \\sqrt{").value(vt);
    w.text("^2 − 2×").value(a).text("×").value(s).text("} m/s ").result(v0);
    w.text(" m/s（取正根）");
    w.end_line();
    const Number t = uniform(v0, vt, a) ? uniform_time(v0, s, w) : time_from_speeds(v0, vt, a, w);
    if (t < 0)
        return backwards(NO_ANSWER, MotionMessage::Calculation, a, w);
    return solution(Q::V0, v0, Q::T, t, w);
}

MotionOutcome from_vt_a_t(const Knowns &k, Working &w)
{
    const Number vt = k.vt(), a = k.a(), t = k.t();
    const Number v0 = w.let("v_0", [&] { return vt - a * t; });
    w.text("由 v_t = v_0 + at 得 v_0 = v_t − at = [").value(vt).text(" − ").value(a);
    w.text("×").value(t).text("] m/s ").result(v0).text(" m/s");
    w.end_line();
    const Number s = displacement(v0, a, t, w);
    note_stop(v0, vt, a, w);
    return solution(Q::V0, v0, Q::S, s, w);
}

MotionOutcome from_vt_s_t(const Knowns &k, Working &w)
{
    const Number s = k.s(), vt = k.vt(), t = k.t();
    const Number v0 = w.let("v_0", [&] { return 2.0 * s / t - vt; });
    w.text("由 S = \\frac{v_0 + v_t}{2}t 得 v_0 = \\frac{2S}{t} − v_t = [\\frac{2×");
    w.value(s).text("}{").value(t).text("} − ").value(vt).text("] m/s ").result(v0);
    w.text(" m/s");
    w.end_line();
    const Number a = acceleration_over(v0, vt, t, w);
    note_stop(v0, vt, a, w);
    return solution(Q::V0, v0, Q::A, a, w);
}

MotionOutcome from_a_s_t(const Knowns &k, Working &w)
{
    const Number s = k.s(), a = k.a(), t = k.t();
    const Number v0 = w.let("v_0", [&] { return (s - 0.5 * a * sq(t)) / t; });
    w.text("由 S = v_0t + \\frac{1}{2}at^2 得 v_0 = \\frac{S − \\frac{1}{2}at^2}{t} = \\frac{");
    w.value(s).text(" − \\frac{1}{2}×").value(a).text("×").value(t).text("^2}{");
    w.value(t).text("} m/s ").result(v0).text(" m/s");
    w.end_line();
    const Number vt = speed_after(v0, a, t, w);
    note_stop(v0, vt, a, w);
    return solution(Q::V0, v0, Q::Vt, vt, w);
}

struct Row {
    KnownSet known;
    MotionOutcome (*solve)(const Knowns &, Working &);
};

// With exactly three quantities known, exactly one row applies.
constexpr Row ROWS[] = {
    {{Q::V0, Q::Vt, Q::A}, from_v0_vt_a}, {{Q::V0, Q::Vt, Q::S}, from_v0_vt_s},
    {{Q::V0, Q::Vt, Q::T}, from_v0_vt_t}, {{Q::V0, Q::A, Q::S}, from_v0_a_s},
    {{Q::V0, Q::A, Q::T}, from_v0_a_t},   {{Q::V0, Q::S, Q::T}, from_v0_s_t},
    {{Q::Vt, Q::A, Q::S}, from_vt_a_s},   {{Q::Vt, Q::A, Q::T}, from_vt_a_t},
    {{Q::Vt, Q::S, Q::T}, from_vt_s_t},   {{Q::A, Q::S, Q::T}, from_a_s_t},
};

} // namespace

std::string motion_message_text(MotionMessage message)
{
    const Lines lines = message_lines(message);
    return two_line_message(lines.first, lines.second);
}

MotionOutcome solve_linear_motion(const MotionInput &input, Working &w)
{
    const Knowns knowns(input, w);
    if (input.known.size() != 3) {
        w.message("请正确输入：须已知任意三个量，现已知 " + std::to_string(input.known.size()) +
                  " 个。");
        return MotionMessage::Count;
    }
    w.solve("以初速度方向为正方向。");
    w.order_knowns({"v_0", "v_t", "a", "S", "t"});
    for (const Row &row : ROWS) {
        if (row.known == input.known)
            return row.solve(knowns, w);
    }
    return MotionMessage::Count; // unreachable: every set of three has its row
}

} // namespace mechanics
