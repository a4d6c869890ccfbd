// Placeholder until the unit table lands: bare numbers only.
#include "mechanics/units.h"

#include "mechanics/numbers.h"

namespace mechanics {

std::string_view si_unit(Dimension dimension)
{
    constexpr std::string_view UNITS[] = {"m", "s", "m/s", "m/s^2", "kg", "N", "W", "rad", "rad/s"};
    return UNITS[static_cast<int>(dimension)];
}

std::string_view dimension_name(Dimension dimension)
{
    constexpr std::string_view NAMES[] = {"长度", "时间", "速度", "加速度", "质量",
                                          "力",   "功率", "角度", "角速度"};
    return NAMES[static_cast<int>(dimension)];
}

bool Unit::si() const
{
    return multiply == 1 && divide == 1 && !degrees();
}
bool Unit::degrees() const
{
    return symbol == "°";
}
double to_si(double typed, const Unit &unit)
{
    return divide(mul(typed, unit.multiply), unit.divide);
}
double from_si(double si, const Unit &unit)
{
    return divide(mul(si, unit.divide), unit.multiply);
}

Reading read_quantity(std::string_view text, Dimension, char decimal_separator)
{
    const double number = read_number(text, decimal_separator);
    return {number, nullptr, number};
}

} // namespace mechanics
