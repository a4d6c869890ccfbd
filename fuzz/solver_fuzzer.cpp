// Arbitrary input against every solver, called as its page calls it. A call
// ends with finite results (every double of the answer, every point of the
// drawing), a message, or a CalculationFailure; any other exception escapes and
// stops the fuzzer like an infinity or NaN does.
#include "mechanics/circular_motion.h"
#include "mechanics/linear_motion.h"
#include "mechanics/numbers.h"
#include "mechanics/satellite.h"
#include "mechanics/two_forces.h"
#include "mechanics/vibration_drawing.h"
#include "mechanics/work_power.h"
#include "mechanics/working.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

using namespace mechanics;

namespace {

void finite(std::initializer_list<double> values)
{
    for (const double value : values) {
        if (!std::isfinite(value)) {
            std::fprintf(stderr, "a solver gave %.17g; the stack below names it\n", value);
            std::abort();
        }
    }
}

// The working at all figures writes each result with the digits of its box:
// read back, it is the box's text again.
void agrees(const Working &w, char separator, std::initializer_list<double> values)
{
    std::string all;
    for (const std::string &line : w.lines(ALL_FIGURES, separator))
        all += line + '\n';
    for (const double value : values) {
        std::string written = full_markup(value, separator), typed;
        for (std::size_t i = 0; i < written.size(); ++i) {
            if (written.compare(i, 6, "×10^{") == 0) // × is two bytes
                typed += 'E', i += 5;
            else if (written.compare(i, 3, "−") == 0)
                typed += '-', i += 2;
            else if (written[i] != '}')
                typed += written[i];
        }
        if (all.find(written) == std::string::npos ||
            number_text(read_number(typed, separator), separator) !=
                number_text(value, separator)) {
            std::fprintf(stderr, "the working writes %s as %s:\n%s", number_text(value).c_str(),
                         written.c_str(), all.c_str());
            std::abort();
        }
    }
}

// Every double a page hands a solver was typed in a box and read by
// read_number, which gives any finite double (subnormals, -0 and the extremes
// among them) but never an infinity or NaN: their bit patterns lose the lowest
// exponent bit here and so become huge finite values instead.
double typed(FuzzedDataProvider &in)
{
    const auto bits = in.ConsumeIntegral<std::uint64_t>();
    const double value = std::bit_cast<double>(bits);
    return std::isfinite(value) ? value : std::bit_cast<double>(bits & ~(std::uint64_t{1} << 52));
}

// Any finite double as the shortest text that reads back to it, or a text.
std::string typed_text(FuzzedDataProvider &in, char separator)
{
    if (in.ConsumeBool())
        return in.ConsumeRandomLengthString();
    std::array<char, 64> buffer{};
    const double value = typed(in);
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    std::string text(buffer.data(), end);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

// Numbers and switches come from the end of the input, texts from the front.
void solve(FuzzedDataProvider &in, Working &w)
{
    const int solver = in.ConsumeIntegralInRange(0, 5);
    const char separator = in.ConsumeBool() ? ',' : '.';
    const bool choice = in.ConsumeBool(), other_choice = in.ConsumeBool();
    auto text = [&] { return typed_text(in, separator); };
    if (solver == 0) {
        const double f1 = typed(in), f2 = typed(in), angle = typed(in);
        finite({compose_two_forces(f1, f2, {angle, choice})});
        const std::string f1_text = text(), f2_text = text(), alpha_text = text();
        const double f = solve_two_forces({f1_text, f2_text, alpha_text, choice, separator}, w);
        finite({f});
        agrees(w, separator, {f});
    } else if (solver == 1) {
        MotionInput input; // all 32 sets of ticks
        input.decimal_separator = separator;
        const unsigned bits = in.ConsumeIntegralInRange(0U, 31U);
        for (unsigned q = 0; q < 5; ++q)
            if ((bits >> q) & 1U)
                input.known.add(static_cast<MotionQuantity>(q));
        const std::string v0 = text(), vt = text(), a = text(), s = text(), t = text();
        std::tie(input.v0, input.vt, input.a, input.s, input.t) = std::tie(v0, vt, a, s, t);
        const MotionOutcome outcome = solve_linear_motion(input, w);
        if (const auto *answer = std::get_if<MotionSolution>(&outcome)) {
            finite({(*answer)[0].value, (*answer)[1].value});
            agrees(w, separator, {(*answer)[0].value, (*answer)[1].value});
        }
    } else if (solver == 2) {
        const std::string speed = text(), radius = text(), mass = text();
        const Centripetal c = solve_circular_motion(
            {choice ? GivenSpeed::Linear : GivenSpeed::Angular, speed, radius, mass, separator}, w);
        finite({c.acceleration, c.force});
        agrees(w, separator, {c.acceleration, c.force});
    } else if (solver == 3) {
        const std::string height = text();
        if (const std::optional<Orbit> orbit = solve_satellite({height, separator}, w)) {
            finite({orbit->speed, orbit->period, orbit->angular_speed});
            agrees(w, separator, {orbit->speed, orbit->period, orbit->angular_speed});
        }
    } else if (solver == 4) {
        const std::string f = text(), angle = text(), s = text(), v = text(), t = text();
        const WorkPower result =
            solve_work_power({choice ? PowerMode::Average : PowerMode::Instantaneous, f, angle,
                              other_choice, s, v, t, separator},
                             w);
        finite({result.work, result.power});
        agrees(w, separator, {result.work, result.power});
    } else {
        const std::string amplitude = text(), period = text();
        for (const Operation &o :
             plot_vibration({amplitude, period, choice, {}, separator}).drawing) {
            if (const auto *c = std::get_if<op::SetCoordinates>(&o))
                finite({c->x1, c->y1, c->x2, c->y2});
            else if (const auto *line = std::get_if<op::Line>(&o))
                finite({line->from.x, line->from.y, line->to.x, line->to.y});
            else if (const auto *to = std::get_if<op::LineTo>(&o))
                finite({to->to.x, to->to.y});
            else if (const auto *move = std::get_if<op::MoveTo>(&o))
                finite({move->at.x, move->at.y});
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    Working w;
    try {
        solve(in, w);
    } catch (const CalculationFailure &failure) {
        // As the dispatcher does: the working names what failed.
        w.failed(failure);
        (void)w.lines(3, '.');
    }
    return 0;
}
