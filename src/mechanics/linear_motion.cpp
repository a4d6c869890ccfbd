#include "mechanics/linear_motion.h"

#include "mechanics/messages.h"
#include "mechanics/numbers.h"

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
double displacement(double v0, double a, double t)
{
    return add(mul(v0, t), mul(mul(0.5, a), square(t)));
}

// t = (vt − v0) / a.
double time_from_speeds(double v0, double vt, double a)
{
    return divide(sub(vt, v0), a);
}

MotionSolution solution(Q first, double first_value, Q second, double second_value)
{
    return {MotionResult{first, first_value}, MotionResult{second, second_value}};
}

} // namespace

std::string motion_message_text(MotionMessage message)
{
    const Lines lines = message_lines(message);
    return two_line_message(lines.first, lines.second);
}

MotionOutcome solve_linear_motion(KnownSet known, const KnownValues &values)
{
    if (known.size() != 3)
        return MotionMessage::Count;

    auto number = [&values](std::string_view text) {
        return read_number(text, values.decimal_separator);
    };
    auto has = [known](Q x, Q y, Q z) {
        return known.contains(x) && known.contains(y) && known.contains(z);
    };
    const double t_known = values.t;

    if (has(Q::V0, Q::Vt, Q::A)) {
        const double vt = number(values.vt);
        const double v0 = number(values.v0);
        const double a = number(values.a);
        const double t = time_from_speeds(v0, vt, a);
        if (t < 0)
            return MotionMessage::Sign;
        return solution(Q::S, displacement(v0, a, t), Q::T, t);
    }
    if (has(Q::V0, Q::Vt, Q::S)) {
        const double s = number(values.s);
        if (s == 0)
            return MotionMessage::ZeroDisplacement;
        const double vt = number(values.vt);
        const double v0 = number(values.v0);
        const double a = divide(mul(0.5, sub(square(vt), square(v0))), s);
        const double t = time_from_speeds(v0, vt, a);
        // A time that runs backwards is no answer, here as in the rows below.
        if (t < 0)
            return MotionMessage::Calculation;
        return solution(Q::A, a, Q::T, t);
    }
    if (has(Q::V0, Q::Vt, Q::T)) {
        if (t_known <= 0)
            return MotionMessage::Time;
        const double vt = number(values.vt);
        const double v0 = number(values.v0);
        const double a = divide(sub(vt, v0), t_known);
        return solution(Q::S, displacement(v0, a, t_known), Q::A, a);
    }
    if (has(Q::V0, Q::A, Q::S)) {
        const double v0 = number(values.v0);
        const double a = number(values.a);
        const double s = number(values.s);
        // The root is the non-negative one: vt never turns against v0 here.
        const double vt = square_root(add(square(v0), mul(mul(2.0, a), s)));
        const double t = time_from_speeds(v0, vt, a);
        if (t < 0)
            return MotionMessage::Calculation;
        return solution(Q::Vt, vt, Q::T, t);
    }
    if (has(Q::V0, Q::A, Q::T)) {
        const double v0 = number(values.v0);
        const double a = number(values.a);
        const double vt = add(v0, mul(a, t_known));
        return solution(Q::Vt, vt, Q::S, displacement(v0, a, t_known));
    }
    if (has(Q::V0, Q::S, Q::T)) {
        const double s = number(values.s);
        const double v0 = number(values.v0);
        const double a = divide(mul(2.0, sub(s, mul(v0, t_known))), square(t_known));
        return solution(Q::Vt, add(v0, mul(a, t_known)), Q::A, a);
    }
    if (has(Q::Vt, Q::A, Q::S)) {
        const double vt = number(values.vt);
        const double a = number(values.a);
        const double s = number(values.s);
        const double v0 = square_root(sub(square(vt), mul(mul(2.0, a), s)));
        const double t = time_from_speeds(v0, vt, a);
        if (t < 0)
            return MotionMessage::Calculation;
        return solution(Q::V0, v0, Q::T, t);
    }
    if (has(Q::Vt, Q::A, Q::T)) {
        const double vt = number(values.vt);
        const double a = number(values.a);
        const double v0 = sub(vt, mul(a, t_known));
        return solution(Q::V0, v0, Q::S, displacement(v0, a, t_known));
    }
    if (has(Q::Vt, Q::S, Q::T)) {
        const double s = number(values.s);
        const double vt = number(values.vt);
        const double v0 = sub(divide(mul(2.0, s), t_known), vt);
        return solution(Q::V0, v0, Q::A, divide(sub(vt, v0), t_known));
    }
    // a, S and t: the only three left.
    const double s = number(values.s);
    const double a = number(values.a);
    const double v0 = divide(sub(s, mul(mul(0.5, a), square(t_known))), t_known);
    return solution(Q::V0, v0, Q::Vt, add(v0, mul(a, t_known)));
}

} // namespace mechanics
