// Reading typed numbers, writing results, and the one way a calculation fails.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mechanics {

// Raised by any step of a calculation that cannot go on: text that is not a
// number, a unit that does not fit the box, a division by zero, the root of a
// negative number, a result beyond the range of a double. The click dispatcher
// is the only place that catches it.
enum class Failure {
    NotANumber,
    DivisionByZero,
    NegativeRoot,
    OutOfRange,
    UnknownUnit, // detail: the unit as typed
    WrongUnit,   // detail: the unit as typed, a unit of another quantity
};

class CalculationFailure : public std::runtime_error {
public:
    CalculationFailure(Failure kind, const char *what, std::string detail = {})
        : std::runtime_error(what), kind_(kind), detail_(std::move(detail))
    {}
    Failure kind() const { return kind_; }
    const std::string &detail() const { return detail_; }

    // What the working writes for the failure, in formula markup: set by the
    // step of the working that saw it (which box, which quantity), so that the
    // explanation travels with the failure and nothing is left behind.
    const std::vector<std::string> &explanation() const { return explanation_; }
    CalculationFailure explained(std::vector<std::string> lines) const
    {
        CalculationFailure failure(*this);
        failure.explanation_ = std::move(lines);
        return failure;
    }

private:
    Failure kind_;
    std::string detail_;
    std::vector<std::string> explanation_;
};

// Text to double: blanks around, an optional sign, ASCII digits with at most
// one separator (at least one digit), an optional exponent (e/E, sign, digits).
// The value is the double nearest to the decimal; overflow is a failure, a
// nonzero decimal too small for a double reads as zero or a subnormal.
double read_number(std::string_view text, char decimal_separator = '.');

// The text a result box shows: printf "%.15G" with the separator swapped in.
// Negative zero is written "0": a student should never see "-0" as a result.
std::string number_text(double value, char decimal_separator = '.');

// Checked arithmetic, on which Number is built: every result is finite or the
// calculation fails, so no infinity or NaN ever reaches a box.
double checked(double value);
double divide(double a, double b);
double square_root(double a);

// A quantity in a formula: a double whose every operation is checked, so that
// a formula reads as the book writes it, (f1*f1 + f2*f2) + 2*f1*f2*c, and is
// evaluated in exactly that order (C++ takes + and * left to right), while a
// division by zero, the root of a negative number or an overflow ends the
// calculation with its CalculationFailure. Built from any double; a value that
// is already infinite or NaN never enters a formula.
class Number {
public:
    constexpr Number() = default;
    Number(double value) : value_(checked(value)) {} // NOLINT: implicit by design
    double value() const { return value_; }

    friend Number operator+(Number a, Number b) { return a.value_ + b.value_; }
    friend Number operator-(Number a, Number b) { return a.value_ - b.value_; }
    friend Number operator*(Number a, Number b) { return a.value_ * b.value_; }
    friend Number operator/(Number a, Number b) { return divide(a.value_, b.value_); }
    friend Number operator-(Number a) { return -a.value_; }
    friend bool operator==(Number a, Number b) { return a.value_ == b.value_; }
    friend auto operator<=>(Number a, Number b) { return a.value_ <=> b.value_; }

private:
    double value_ = 0;
};

// x² as x·x, and the non-negative square root.
inline Number sq(Number x)
{
    return x * x;
}
inline Number root(Number x)
{
    return square_root(x.value());
}
inline Number abs(Number x)
{
    return x < 0 ? -x : x;
}

// π as the fifteen-digit decimal that the calculators use for degrees and 2π;
// it is deliberately not the double nearest to π. PI_15_TEXT is how the
// working writes it.
inline constexpr double PI_15 = 3.14159265358979;
inline constexpr std::string_view PI_15_TEXT = "3.14159265358979";

// Degrees to radians as value × π ÷ 180, the multiplication first.
double degrees_to_radians(double degrees);

// Whether a text holds nothing but blanks: an empty box, as opposed to one
// holding something that is not a number.
bool blank(std::string_view text);

} // namespace mechanics
