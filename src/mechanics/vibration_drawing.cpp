#include "mechanics/vibration_drawing.h"

#include "mechanics/messages.h"
#include "mechanics/numbers.h"
#include "mechanics/trigonometry.h"

#include <numbers>

namespace mechanics {

namespace {

Point at(double x, double y)
{
    return {static_cast<float>(x), static_cast<float>(y)};
}

// A printed number keeps one blank in front, the place of its sign.
std::string printed_number(double value, char decimal_separator)
{
    // Appending rather than " " + text: GCC 12 warns falsely (-Wrestrict) on
    // the inlined insert at -O2.
    std::string printed(1, ' ');
    printed += number_text(value, decimal_separator);
    return printed;
}

// The label of −A from the typed amplitude, which is positive: "+2" gives -2,
// not -+2, and blanks around it go. Appended to the minus rather than added
// to it, which MinGW's GCC 12 misreads as an overlapping copy at -O3.
std::string negative_label(std::string_view typed)
{
    const std::size_t first = typed.find_first_not_of(" \t");
    const std::size_t last = typed.find_last_not_of(" \t");
    typed = first == std::string_view::npos ? std::string_view{}
                                            : typed.substr(first, last - first + 1);
    if (typed.starts_with('+'))
        typed.remove_prefix(1);
    std::string label = "-";
    label.append(typed);
    return label;
}

} // namespace

std::vector<double> curve_times(double end)
{
    std::vector<double> times;
    for (double t = 0; t <= end; t += 0.01)
        times.push_back(t);
    return times;
}

VibrationPlot plot_vibration(const VibrationInput &input)
{
    const char separator = input.decimal_separator;
    const double amplitude = read_number(input.amplitude_text, separator);
    const double period = read_number(input.period_text, separator);
    if (amplitude <= 0 || period <= 0) // minus zero is rejected too
        return {{}, std::string(INPUT_ERROR_MESSAGE)};

    const Number pi = std::numbers::pi;
    const Number two_pi = 2 * pi;
    Drawing d;
    d.reserve(700);
    d.push_back(op::Clear{});
    d.push_back(op::SetLineWidth{1});
    d.push_back(op::SetCoordinates{-0.2, 1.3, (two_pi + 0.3).value(), -1.3});

    // Horizontal axis with its letter and arrow head.
    const Point x_tip = at((two_pi + 0.2).value(), 0);
    d.push_back(op::Line{at(-0.1, 0), x_tip});
    d.push_back(op::MoveTo{at((two_pi + 0.1).value(), 0.3)});
    d.push_back(op::Print{"x"});
    d.push_back(op::Line{x_tip, at((two_pi + 0.1).value(), 0.1)});
    d.push_back(op::Line{x_tip, at((two_pi + 0.1).value(), -0.1)});

    // Vertical axis with its letter and arrow head.
    const Point y_tip = at(0, 1.2);
    d.push_back(op::Line{at(0, -1.1), y_tip});
    d.push_back(op::MoveTo{at(0.15, 1.33)});
    d.push_back(op::Print{"y"});
    d.push_back(op::Line{y_tip, at(0.1, 1.1)});
    d.push_back(op::Line{y_tip, at(-0.1, 1.1)});

    // Ticks at ±A to the left of the y axis, and at T/4 … T above the t axis.
    d.push_back(op::Line{at(-0.1, 1), at(0, 1)});
    d.push_back(op::Line{at(-0.1, -1), at(0, -1)});
    for (const double factor : {0.5, 1.0, 1.5, 2.0}) {
        const double x = (pi * factor).value();
        d.push_back(op::Line{at(x, 0), at(x, 0.1)});
    }

    // One period of the sine; 2π is fixed before the first sample.
    d.push_back(op::SetLineWidth{input.thin ? 1 : 2});
    d.push_back(op::MoveTo{at(0, 0)});
    for (const double t : curve_times(two_pi.value()))
        d.push_back(op::LineTo{at(t, sine(t)), input.colour});

    // Labels: the amplitude and the full period exactly as typed, the other
    // times as numbers. T/4 is taken before ×3 so that no label overflows.
    const Number T = period;
    const std::string amplitude_text(input.amplitude_text);
    const std::string period_text(input.period_text);
    const struct {
        double x;
        double y;
        std::string text;
    } labels[] = {
        {0.1, 0, "0"},
        {0.1, 1.1, amplitude_text},
        {0.1, -0.9, negative_label(amplitude_text)},
        {(pi * 0.5 - 0.25).value(), -0.05, printed_number((T / 4).value(), separator)},
        {(pi - 0.25).value(), -0.05, printed_number((T / 2).value(), separator)},
        {(pi * 1.5 - 0.25).value(), -0.05, printed_number((T / 4 * 3).value(), separator)},
        {(two_pi - 0.25).value(), -0.05, period_text},
    };
    for (const auto &label : labels) {
        d.push_back(op::MoveTo{at(label.x, label.y)});
        d.push_back(op::Print{label.text});
    }
    return {std::move(d), {}};
}

} // namespace mechanics
