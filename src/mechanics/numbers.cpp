#include "mechanics/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace mechanics {

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// The exponent written after 'e' in the rest of a canonical text, clamped so
// that a thousand exponent digits cannot overflow the sum.
long long exponent_value(std::string_view rest)
{
    const auto e = rest.find('e');
    if (e == std::string_view::npos)
        return 0;
    std::size_t i = e + 1;
    const bool negative = i < rest.size() && rest[i] == '-';
    if (i < rest.size() && (rest[i] == '-' || rest[i] == '+'))
        ++i;
    long long value = 0;
    for (; i < rest.size(); ++i)
        value = std::min(value * 10 + (rest[i] - '0'), 1'000'000'000LL);
    return negative ? -value : value;
}

// Roughly the decimal exponent of the first nonzero digit of a canonical
// number text: positive for large magnitudes, negative for tiny ones.
long long decimal_magnitude(std::string_view canonical)
{
    long long position = 0; // digits before the point, less leading zeros
    bool started = false;
    bool after_point = false;
    std::size_t i = canonical[0] == '-' ? 1 : 0;
    for (; i < canonical.size() && canonical[i] != 'e'; ++i) {
        const char c = canonical[i];
        if (c == '.') {
            after_point = true;
        } else if (!started && c == '0') {
            if (after_point)
                --position;
        } else {
            if (!started && after_point)
                return position + exponent_value(canonical.substr(i));
            started = true;
            if (!after_point)
                ++position;
        }
    }
    return position + exponent_value(canonical.substr(i));
}

[[noreturn]] void not_a_number()
{
    throw CalculationFailure(Failure::NotANumber, "not a number");
}

} // namespace

double read_number(std::string_view text, char decimal_separator)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank(text[begin]))
        ++begin;
    while (end > begin && is_blank(text[end - 1]))
        --end;
    const std::string_view body = text.substr(begin, end - begin);

    // Validate the whole grammar first, then hand a canonical copy (full stop,
    // no plus sign) to from_chars, which alone decides the nearest double.
    std::string canonical;
    canonical.reserve(body.size());
    std::size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        negative = body[i] == '-';
        if (negative)
            canonical.push_back('-');
        ++i;
    }
    std::size_t digits = 0;
    bool separator_seen = false;
    bool nonzero_digit = false;
    for (; i < body.size(); ++i) {
        const char c = body[i];
        if (is_digit(c)) {
            ++digits;
            nonzero_digit = nonzero_digit || c != '0';
            canonical.push_back(c);
        } else if (c == decimal_separator && !separator_seen) {
            separator_seen = true;
            canonical.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0)
        not_a_number();
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        canonical.push_back('e');
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-'))
            canonical.push_back(body[i++]);
        std::size_t exponent_digits = 0;
        for (; i < body.size() && is_digit(body[i]); ++i, ++exponent_digits)
            canonical.push_back(body[i]);
        if (exponent_digits == 0)
            not_a_number();
    }
    if (i != body.size())
        not_a_number();

    double value = 0.0;
    const char *first = canonical.data();
    const char *last = first + canonical.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr != last)
        not_a_number();
    if (ec == std::errc::result_out_of_range) {
        // The grammar is sound, so the magnitude is out of range: too small
        // reads as zero, too large is a failure.
        if (!nonzero_digit || decimal_magnitude(canonical) > 0)
            throw CalculationFailure(Failure::OutOfRange, "overflow");
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value))
        throw CalculationFailure(Failure::OutOfRange, "overflow");
    return value;
}

std::string number_text(double value, char decimal_separator)
{
    if (value == 0.0)
        return "0";
    // to_chars rather than printf: printf follows LC_NUMERIC, which a Qt
    // program sets from the user's environment.
    std::array<char, 64> buffer{};
    const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, 15);
    std::string text(buffer.data(), ec == std::errc() ? ptr : buffer.data());
    for (char &c : text) {
        if (c == 'e')
            c = 'E';
        else if (c == '.')
            c = decimal_separator;
        else if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A'); // INF, NAN as %G writes them
    }
    return text;
}

double checked(double value)
{
    if (!std::isfinite(value))
        throw CalculationFailure(Failure::OutOfRange, "result beyond the range of a double");
    return value;
}

double divide(double a, double b)
{
    if (b == 0.0)
        throw CalculationFailure(Failure::DivisionByZero, "division by zero");
    return checked(a / b);
}

double square_root(double a)
{
    if (a < 0.0)
        throw CalculationFailure(Failure::NegativeRoot, "square root of a negative number");
    return checked(std::sqrt(a));
}

double degrees_to_radians(double degrees)
{
    return (Number(degrees) * PI_15 / 180.0).value();
}

bool blank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), is_blank);
}

} // namespace mechanics
