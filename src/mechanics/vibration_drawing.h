// The vibration graph as data: the exact list of surface operations that one
// plot performs, computed from the typed texts without touching any window.
//
// The curve is always one period of sin t over 0 ≤ t ≤ 2π in fixed coordinates;
// the typed amplitude and period only label the axes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mechanics {

// A 24-bit colour.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb &) const = default;
};

// Points of lines and moves are single precision, in user coordinates.
struct Point {
    float x = 0;
    float y = 0;
    bool operator==(const Point &) const = default;
};

// The operations of the drawing surface.
namespace op {

// Fills the drawing area with the background colour.
struct Clear {
    bool operator==(const Clear &) const = default;
};

// User coordinates: (x1, y1) at the top-left corner of the drawing area,
// (x2, y2) at the bottom-right; y grows upward when y1 > y2.
struct SetCoordinates {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    bool operator==(const SetCoordinates &) const = default;
};

// Pen width in pixels for every later line.
struct SetLineWidth {
    int pixels = 1;
    bool operator==(const SetLineWidth &) const = default;
};

// A straight line in the foreground colour; the current position becomes `to`.
struct Line {
    Point from;
    Point to;
    bool operator==(const Line &) const = default;
};

// From the current position to `to` in `colour`, which becomes the position.
struct LineTo {
    Point to;
    Rgb colour;
    bool operator==(const LineTo &) const = default;
};

struct MoveTo {
    Point at;
    bool operator==(const MoveTo &) const = default;
};

// Text in the foreground colour, its top-left corner at the current position.
struct Print {
    std::string text; // UTF-8
    bool operator==(const Print &) const = default;
};

} // namespace op

using Operation = std::variant<op::Clear, op::SetCoordinates, op::SetLineWidth, op::Line,
                               op::LineTo, op::MoveTo, op::Print>;
using Drawing = std::vector<Operation>;

// What one press of "绘图" does: either draw `drawing` or show `message`.
struct VibrationPlot {
    Drawing drawing;
    std::string message;
};

struct VibrationInput {
    std::string_view amplitude_text;
    std::string_view period_text;
    bool thin = true; // 1 pixel curve, else 2
    Rgb colour;       // of the curve
    char decimal_separator = '.';
};

// Reads both texts (the amplitude first), then tests their signs. A text that
// is not a number raises mechanics::CalculationFailure before any test.
VibrationPlot plot_vibration(const VibrationInput &input);

// The times at which the curve is sampled: t starts at 0 and grows by adding
// 0.01 while t ≤ end; the rounding of the repeated addition is kept.
std::vector<double> curve_times(double end);

} // namespace mechanics
