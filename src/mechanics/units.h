// A number typed with its unit, as the textbook gives it: "36 km/h", "36km/h",
// "3.6×10^4 km", "2 t", "5 min", "30 度". The solvers compute in SI units; the
// working writes the unit as typed beside the value in SI.
#pragma once

#include <string_view>

namespace mechanics {

// The kinds of quantity an input box holds.
enum class Dimension { Length, Time, Speed, Acceleration, Mass, Force, Power, Angle, AngularSpeed };

// The SI unit in formula markup: "m", "s", "m/s", "m/s^2", "kg", "N", "W", "rad", "rad/s".
std::string_view si_unit(Dimension);
// The quantity's name as a message says it: 长度, 时间, 速度, 加速度, 质量, 力, 功率, 角度, 角速度.
std::string_view dimension_name(Dimension);

struct Unit {
    std::string_view symbol; // as the working writes it, formula markup: "km/h", "m/s^2", "°"
    Dimension dimension;
    double multiply = 1; // SI value = (typed × multiply) ÷ divide, in that order
    double divide = 1;
    bool si() const { return multiply == 1 && divide == 1 && !degrees(); }
    // ° or 度: the solver converts with its own π, as it does for a page set to degrees.
    bool degrees() const { return symbol == "°"; }
};

// The typed value in SI, and back (for "5.00 m/s（18.0 km/h）"); both checked,
// failing with OutOfRange where the result is beyond the range of a double.
double to_si(double typed, const Unit &);
double from_si(double si, const Unit &);

// The unit a spelling names, in any dimension ("千米/时" names km/h); null if
// the program knows no such unit.
const Unit *find_unit(std::string_view spelling);

struct Reading {
    double number = 0;          // the number as typed (power of ten applied)
    const Unit *unit = nullptr; // null: no unit typed (the box's SI unit / the page's angle unit)
    double value = 0;           // in SI (angles: == number; the solver converts degrees)
};

// Text to number and unit. A text without a unit reads exactly as read_number
// reads it. The number may be written with a power of ten ("3.6×10^4",
// "3.6×10⁴", "3.6*10^4", "3.6x10^4" besides "3.6E4"); the unit follows it, with
// or without blanks. Fails with CalculationFailure: NotANumber (a bad number or
// power of ten), OutOfRange (overflow, also after the conversion), UnknownUnit
// (detail: the unit as typed, trimmed) or WrongUnit (detail: the unit as typed,
// a unit of another quantity).
Reading read_quantity(std::string_view text, Dimension, char decimal_separator = '.');

} // namespace mechanics
