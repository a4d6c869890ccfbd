// Reading a number typed with a unit, as a textbook gives it: "36 km/h",
// "3.6×10^4 km", "5 min".
#pragma once

#include <string_view>

namespace mechanics {

// The kinds of quantity an input box holds.
enum class Dimension { Length, Time, Speed, Acceleration, Mass, Force, Power, Angle, AngularSpeed };

std::string_view si_unit(Dimension dimension);        // formula markup: "m/s^2"
std::string_view dimension_name(Dimension dimension); // 速度

struct Unit {
    std::string_view symbol; // as the working writes it, formula markup: "km/h", "m/s^2", "°"
    Dimension dimension;
    double multiply = 1; // SI value = (typed × multiply) ÷ divide, in that order
    double divide = 1;
    bool si() const;
    bool degrees() const;
};

double to_si(double typed, const Unit &unit);
double from_si(double si, const Unit &unit);

struct Reading {
    double number = 0;
    const Unit *unit = nullptr;
    double value = 0;
};

Reading read_quantity(std::string_view text, Dimension dimension, char decimal_separator = '.');

} // namespace mechanics
