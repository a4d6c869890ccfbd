// Arbitrary bytes against the number rules. Whatever a student types or pastes,
// reading it either fails cleanly or gives a finite double, in a box of any
// quantity with or without a unit, and the text a result box shows is the C
// library's "%.15G" and reads back to the value rounded to fifteen significant
// digits.
#include "mechanics/numbers.h"
#include "mechanics/units.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

using mechanics::CalculationFailure;
using mechanics::number_text;
using mechanics::read_number;

namespace {

[[noreturn]] void fail(const char *what, double value, std::string_view detail)
{
    std::fprintf(stderr, "number rules broken: %s (value %.17g, bits %016llx): \"%.*s\"\n", what,
                 value, static_cast<unsigned long long>([value] {
                     std::uint64_t bits = 0;
                     std::memcpy(&bits, &value, sizeof bits);
                     return bits;
                 }()),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// The reference text: printf "%.15G" in the C locale. Zero of either sign is
// written "0", since a result box never shows "-0".
std::string printf_text(double value)
{
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

// The value rounded to fifteen significant digits, by the C library.
double rounded_to_15_digits(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

std::string with_separator(std::string text, char separator)
{
    for (char &c : text) {
        if (c == '.')
            c = separator;
    }
    return text;
}

// Writing a finite value and reading the text back, with either separator.
void check_written_text(double value)
{
    if (!std::isfinite(value))
        return;
    const std::string expected = printf_text(value);
    const double rounded = rounded_to_15_digits(value);
    for (const char separator : {'.', ','}) {
        const std::string text = number_text(value, separator);
        if (text != with_separator(expected, separator))
            fail("number_text differs from %.15G", value, text);
        double back = 0;
        try {
            back = read_number(text, separator);
        } catch (const CalculationFailure &) {
            // Within half a unit of the fifteenth digit of the largest double
            // the written text, 1.79769313486232E+308, is beyond the range:
            // reading it back is an overflow like any other.
            if (std::isinf(rounded))
                continue;
            fail("a written result does not read back", value, text);
        }
        if (back != rounded)
            fail("read back is not the value rounded to 15 digits", value, text);
    }
}

// An accepted text is a plain decimal, so strtod must read the same double,
// bit for bit, from the text without its surrounding blanks.
void check_against_strtod(std::string_view text, double value)
{
    std::string trimmed(text);
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t'))
        trimmed.pop_back();
    const std::size_t first = trimmed.find_first_not_of(" \t");
    trimmed.erase(0, first == std::string::npos ? trimmed.size() : first);
    char *end = nullptr;
    const double expected = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size())
        fail("accepted text that strtod does not read whole", value, text);
    if (std::memcmp(&expected, &value, sizeof value) != 0)
        fail("not the double nearest to the decimal", value, text);
}

// The text in a box of each quantity: a finite number and value in SI, or the
// calculation's own failure; a number that read_number reads (`bare`) reads
// the same, bit for bit, with no unit.
void check_quantities(std::string_view text, char separator, std::optional<double> bare)
{
    using mechanics::Dimension;
    for (int d = 0; d <= static_cast<int>(Dimension::AngularSpeed); ++d) {
        mechanics::Reading reading;
        try {
            reading = mechanics::read_quantity(text, static_cast<Dimension>(d), separator);
        } catch (const CalculationFailure &) {
            if (bare)
                fail("a number that read_number reads fails as a quantity", *bare, text);
            continue;
        }
        if (!std::isfinite(reading.number) || !std::isfinite(reading.value))
            fail("read_quantity returned a value that is not finite", reading.value, text);
        if (bare && (reading.unit != nullptr ||
                     std::memcmp(&*bare, &reading.value, sizeof reading.value) != 0))
            fail("a bare number reads otherwise as a quantity", reading.value, text);
        if (reading.unit == nullptr && reading.value != reading.number)
            fail("no unit, yet the value is not the number", reading.value, text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const char separator : {'.', ','}) {
        double value = 0;
        try {
            value = read_number(text, separator);
        } catch (const CalculationFailure &) {
            check_quantities(text, separator, std::nullopt);
            continue;
        }
        check_quantities(text, separator, value);
        if (!std::isfinite(value))
            fail("read_number returned a value that is not finite", value, text);
        if (separator == '.')
            check_against_strtod(text, value);
        check_written_text(value);
    }

    // The first eight bytes as a double: every bit pattern a calculation
    // could produce, subnormals and the extremes included.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        check_written_text(value);
    }
    return 0;
}
