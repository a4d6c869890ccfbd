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

// S = v0·t + (0.5·a)·t², shared by the rows that need the displacement.
double displacement(double v0, double a, double t, Working &w)
{
    w.step("S");
    const double s = add(mul(v0, t), mul(mul(0.5, a), square(t)));
    w.text("由 S = v_0t + \\frac{1}{2}at^2 得 S = [").value(v0).text("×").value(t);
    w.text(" + \\frac{1}{2}×").value(a).text("×").value(t).text("^2] m ").result(s).text(" m");
    w.end_line();
    return s;
}

// t = (vt − v0) / a.
double time_from_speeds(double v0, double vt, double a, Working &w)
{
    w.step("t");
    const double t = divide(sub(vt, v0), a);
    w.text("由 v_t = v_0 + at 得 t = \\frac{v_t − v_0}{a} = \\frac{").value(vt).text(" − ");
    w.value(v0).text("}{").value(a).text("} s ").result(t).text(" s");
    w.end_line();
    return t;
}

// vt = v0 + a·t.
double speed_after(double v0, double a, double t, Working &w)
{
    w.step("v_t");
    const double vt = add(v0, mul(a, t));
    w.text("由 v_t = v_0 + at 得 v_t = [").value(v0).text(" + ").value(a).text("×").value(t);
    w.text("] m/s ").result(vt).text(" m/s");
    w.end_line();
    return vt;
}

// The unknowns in words, for 答; a negative direction is explained.
constexpr std::string_view WORDS[] = {"初速度 v_0", "末速度 v_t", "加速度 a", "位移 S", "时间 t"};
constexpr std::string_view UNITS[] = {"m/s", "m/s", "m/s^2", "m", "s"};
constexpr std::string_view SYMBOLS[] = {"v_0", "v_t", "a", "S", "t"};

MotionSolution solution(Q first, double first_value, Q second, double second_value, Working &w)
{
    w.text("答：");
    for (const auto &[q, value] : {std::pair(first, first_value), {second, second_value}}) {
        const auto i = static_cast<std::size_t>(q);
        w.text(q == first ? "" : "，").text(WORDS[i]).text(" 为 ").figures(value).text(" ");
        w.text(UNITS[i]).text(value < 0 && q != Q::T ? "（负号表示方向与正方向相反）" : "");
    }
    w.text("。");
    w.end_line();
    return {MotionResult{first, first_value}, MotionResult{second, second_value}};
}

// A known time that carries the motion through a stop and back: when the
// speed was zero, and the trap of a braking vehicle, which stays stopped.
void note_stop(double v0, double vt, double a, Working &w)
{
    const double stop = -v0 / a;
    if (!((v0 < 0 && vt > 0) || (v0 > 0 && vt < 0)) || !std::isfinite(stop))
        return;
    w.text("注意：v_0 与 v_t 方向相反，物体在 t_停 = −\\frac{v_0}{a} = ").value(stop, false);
    w.text(" s 时速度减为零，之后反向运动；若是刹车的车辆，停下后不再运动，应按停止时间计算。");
    w.end_line();
}

} // namespace

std::string motion_message_text(MotionMessage message)
{
    const Lines lines = message_lines(message);
    return two_line_message(lines.first, lines.second);
}

MotionOutcome solve_linear_motion(KnownSet known, const KnownValues &values, Working *working)
{
    Working scratch;
    Working &w = working ? *working : scratch;
    if (known.size() != 3) {
        w.message("请正确输入：须已知任意三个量，现已知 " + std::to_string(known.size()) + " 个。");
        return MotionMessage::Count;
    }
    w.solve("以初速度方向为正方向。");
    auto number = [&](Q q, std::string_view text) {
        const auto i = static_cast<std::size_t>(q);
        return w.read(SYMBOLS[i], text, UNITS[i], values.decimal_separator);
    };
    auto has = [known](Q x, Q y, Q z) {
        return known.contains(x) && known.contains(y) && known.contains(z);
    };
    auto backwards = [&w](std::string_view reason, MotionMessage message) {
        w.message(reason);
        return message;
    };
    constexpr std::string_view NO_ANSWER = "求出的时间 t 为负，不合题意，无解。";
    const double t_known = values.t;

    if (has(Q::V0, Q::Vt, Q::A)) {
        const double vt = number(Q::Vt, values.vt);
        const double v0 = number(Q::V0, values.v0);
        const double a = number(Q::A, values.a);
        w.order_knowns({"v_0", "v_t", "a"});
        const double t = time_from_speeds(v0, vt, a, w);
        if (t < 0)
            return backwards("输入错误：t < 0，a 的正负号与运动方向不符。", MotionMessage::Sign);
        return solution(Q::S, displacement(v0, a, t, w), Q::T, t, w);
    }
    if (has(Q::V0, Q::Vt, Q::S)) {
        const double s = number(Q::S, values.s);
        if (s == 0) {
            w.message("输入错误：位移 S 为零，无法求加速度。");
            return MotionMessage::ZeroDisplacement;
        }
        const double vt = number(Q::Vt, values.vt);
        const double v0 = number(Q::V0, values.v0);
        w.order_knowns({"v_0", "v_t", "S"});
        w.step("a");
        const double a = divide(mul(0.5, sub(square(vt), square(v0))), s);
        w.text("由 v_t^2 − v_0^2 = 2aS 得 a = \\frac{v_t^2 − v_0^2}{2S} = \\frac{").value(vt);
        w.text("^2 − ").value(v0).text("^2}{2×").value(s).text("} m/s^2 ").result(a).text(" m/s^2");
        w.end_line();
        const double t = time_from_speeds(v0, vt, a, w);
        // A time that runs backwards is no answer, here as in the rows below.
        if (t < 0)
            return backwards(NO_ANSWER, MotionMessage::Calculation);
        return solution(Q::A, a, Q::T, t, w);
    }
    if (has(Q::V0, Q::Vt, Q::T)) {
        if (t_known <= 0) {
            w.message("输入错误：时间 t 必须大于零。");
            return MotionMessage::Time;
        }
        const double vt = number(Q::Vt, values.vt);
        const double v0 = number(Q::V0, values.v0);
        w.order_knowns({"v_0", "v_t", "t"});
        w.step("a");
        const double a = divide(sub(vt, v0), t_known);
        w.text("由 v_t = v_0 + at 得 a = \\frac{v_t − v_0}{t} = \\frac{").value(vt).text(" − ");
        w.value(v0).text("}{").value(t_known).text("} m/s^2 ").result(a).text(" m/s^2");
        w.end_line();
        const double s = displacement(v0, a, t_known, w);
        note_stop(v0, vt, a, w);
        return solution(Q::S, s, Q::A, a, w);
    }
    if (has(Q::V0, Q::A, Q::S)) {
        const double v0 = number(Q::V0, values.v0);
        const double a = number(Q::A, values.a);
        const double s = number(Q::S, values.s);
        // The root is the non-negative one: vt never turns against v0 here.
        w.step("v_t");
        const double vt = square_root(add(square(v0), mul(mul(2.0, a), s)));
        w.text("由 v_t^2 − v_0^2 = 2aS 得 v_t = \\sqrt{v_0^2 + 2aS} = \\sqrt{").value(v0);
        w.text("^2 + 2×").value(a).text("×").value(s).text("} m/s ").result(vt);
        w.text(" m/s（取正根）");
        w.end_line();
        const double t = time_from_speeds(v0, vt, a, w);
        if (t < 0)
            return backwards(NO_ANSWER, MotionMessage::Calculation);
        return solution(Q::Vt, vt, Q::T, t, w);
    }
    if (has(Q::V0, Q::A, Q::T)) {
        const double v0 = number(Q::V0, values.v0);
        const double a = number(Q::A, values.a);
        w.order_knowns({"v_0", "a", "t"});
        const double vt = speed_after(v0, a, t_known, w);
        const double s = displacement(v0, a, t_known, w);
        note_stop(v0, vt, a, w);
        return solution(Q::Vt, vt, Q::S, s, w);
    }
    if (has(Q::V0, Q::S, Q::T)) {
        const double s = number(Q::S, values.s);
        const double v0 = number(Q::V0, values.v0);
        w.order_knowns({"v_0", "S", "t"});
        w.step("a");
        const double a = divide(mul(2.0, sub(s, mul(v0, t_known))), square(t_known));
        w.text("由 S = v_0t + \\frac{1}{2}at^2 得 a = \\frac{2(S − v_0t)}{t^2} = \\frac{2×(");
        w.value(s).text(" − ").value(v0).text("×").value(t_known).text(")}{").value(t_known);
        w.text("^2} m/s^2 ").result(a).text(" m/s^2");
        w.end_line();
        const double vt = speed_after(v0, a, t_known, w);
        note_stop(v0, vt, a, w);
        return solution(Q::Vt, vt, Q::A, a, w);
    }
    if (has(Q::Vt, Q::A, Q::S)) {
        const double vt = number(Q::Vt, values.vt);
        const double a = number(Q::A, values.a);
        const double s = number(Q::S, values.s);
        w.step("v_0");
        const double v0 = square_root(sub(square(vt), mul(mul(2.0, a), s)));
        w.text("由 v_t^2 − v_0^2 = 2aS 得 v_0 = \\sqrt{v_t^2 − 2aS} = \\sqrt{").value(vt);
        w.text("^2 − 2×").value(a).text("×").value(s).text("} m/s ").result(v0);
        w.text(" m/s（取正根）");
        w.end_line();
        const double t = time_from_speeds(v0, vt, a, w);
        if (t < 0)
            return backwards(NO_ANSWER, MotionMessage::Calculation);
        return solution(Q::V0, v0, Q::T, t, w);
    }
    if (has(Q::Vt, Q::A, Q::T)) {
        const double vt = number(Q::Vt, values.vt);
        const double a = number(Q::A, values.a);
        w.order_knowns({"v_t", "a", "t"});
        w.step("v_0");
        const double v0 = sub(vt, mul(a, t_known));
        w.text("由 v_t = v_0 + at 得 v_0 = v_t − at = [").value(vt).text(" − ").value(a);
        w.text("×").value(t_known).text("] m/s ").result(v0).text(" m/s");
        w.end_line();
        const double s = displacement(v0, a, t_known, w);
        note_stop(v0, vt, a, w);
        return solution(Q::V0, v0, Q::S, s, w);
    }
    if (has(Q::Vt, Q::S, Q::T)) {
        const double s = number(Q::S, values.s);
        const double vt = number(Q::Vt, values.vt);
        w.order_knowns({"v_t", "S", "t"});
        w.step("v_0");
        const double v0 = sub(divide(mul(2.0, s), t_known), vt);
        w.text("由 S = \\frac{v_0 + v_t}{2}t 得 v_0 = \\frac{2S}{t} − v_t = [\\frac{2×");
        w.value(s).text("}{").value(t_known).text("} − ").value(vt).text("] m/s ").result(v0);
        w.text(" m/s");
        w.end_line();
        w.step("a");
        const double a = divide(sub(vt, v0), t_known);
        w.text("由 v_t = v_0 + at 得 a = \\frac{v_t − v_0}{t} = \\frac{").value(vt).text(" − ");
        w.value(v0).text("}{").value(t_known).text("} m/s^2 ").result(a).text(" m/s^2");
        w.end_line();
        note_stop(v0, vt, a, w);
        return solution(Q::V0, v0, Q::A, a, w);
    }
    // a, S and t: the only three left.
    const double s = number(Q::S, values.s);
    const double a = number(Q::A, values.a);
    w.order_knowns({"a", "S", "t"});
    w.step("v_0");
    const double v0 = divide(sub(s, mul(mul(0.5, a), square(t_known))), t_known);
    w.text("由 S = v_0t + \\frac{1}{2}at^2 得 v_0 = \\frac{S − \\frac{1}{2}at^2}{t} = \\frac{");
    w.value(s).text(" − \\frac{1}{2}×").value(a).text("×").value(t_known).text("^2}{");
    w.value(t_known).text("} m/s ").result(v0).text(" m/s");
    w.end_line();
    const double vt = speed_after(v0, a, t_known, w);
    note_stop(v0, vt, a, w);
    return solution(Q::V0, v0, Q::Vt, vt, w);
}

} // namespace mechanics
