#include "mechanics/units.h"

#include "mechanics/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>

namespace mechanics {

namespace {

using enum Dimension;

// A turn in radians, with the calculators' π, so that a rate of turning n
// becomes ω = 2πn with the very π the pages use.
constexpr double TURN = 2 * PI_15;

// The factors as the textbook writes them, integers where it has one, so that
// a conversion rounds once: 36 km/h ÷ 3.6 is exactly 10 m/s.
constexpr Unit METRE{"m", Length};
constexpr Unit KILOMETRE{"km", Length, 1000};
constexpr Unit DECIMETRE{"dm", Length, 1, 10};
constexpr Unit CENTIMETRE{"cm", Length, 1, 100};
constexpr Unit MILLIMETRE{"mm", Length, 1, 1000};
constexpr Unit SECOND{"s", Time};
constexpr Unit MINUTE{"min", Time, 60};
constexpr Unit HOUR{"h", Time, 3600};
constexpr Unit DAY{"d", Time, 86400};
constexpr Unit METRE_PER_SECOND{"m/s", Speed};
constexpr Unit KILOMETRE_PER_HOUR{"km/h", Speed, 1, 3.6};
constexpr Unit KILOMETRE_PER_SECOND{"km/s", Speed, 1000};
constexpr Unit CENTIMETRE_PER_SECOND{"cm/s", Speed, 1, 100};
constexpr Unit METRE_PER_SECOND_SQUARED{"m/s^2", Acceleration};
constexpr Unit CENTIMETRE_PER_SECOND_SQUARED{"cm/s^2", Acceleration, 1, 100};
constexpr Unit KILOGRAM{"kg", Mass};
constexpr Unit GRAM{"g", Mass, 1, 1000};
constexpr Unit TONNE{"t", Mass, 1000};
constexpr Unit NEWTON{"N", Force};
constexpr Unit KILONEWTON{"kN", Force, 1000};
constexpr Unit WATT{"W", Power};
constexpr Unit KILOWATT{"kW", Power, 1000};
constexpr Unit RADIAN{"rad", Angle};
constexpr Unit DEGREE{"°", Angle};
constexpr Unit RADIAN_PER_SECOND{"rad/s", AngularSpeed};
constexpr Unit TURN_PER_SECOND{"r/s", AngularSpeed, TURN};
constexpr Unit TURN_PER_MINUTE{"r/min", AngularSpeed, TURN, 60};

struct Spelling {
    std::string_view text;
    const Unit *unit;
};

// Every way a student writes a unit: the international symbol, its plain-text
// forms (m/s2, rpm) and the Chinese names, which mean the same unit.
constexpr Spelling SPELLINGS[] = {
    {"m", &METRE},
    {"米", &METRE},
    {"km", &KILOMETRE},
    {"千米", &KILOMETRE},
    {"公里", &KILOMETRE},
    {"dm", &DECIMETRE},
    {"分米", &DECIMETRE},
    {"cm", &CENTIMETRE},
    {"厘米", &CENTIMETRE},
    {"mm", &MILLIMETRE},
    {"毫米", &MILLIMETRE},
    {"s", &SECOND},
    {"秒", &SECOND},
    {"min", &MINUTE},
    {"分", &MINUTE},
    {"分钟", &MINUTE},
    {"h", &HOUR},
    {"时", &HOUR},
    {"小时", &HOUR},
    {"d", &DAY},
    {"天", &DAY},
    {"m/s", &METRE_PER_SECOND},
    {"米/秒", &METRE_PER_SECOND},
    {"km/h", &KILOMETRE_PER_HOUR},
    {"千米/时", &KILOMETRE_PER_HOUR},
    {"千米/小时", &KILOMETRE_PER_HOUR},
    {"公里/时", &KILOMETRE_PER_HOUR},
    {"公里/小时", &KILOMETRE_PER_HOUR},
    {"km/s", &KILOMETRE_PER_SECOND},
    {"千米/秒", &KILOMETRE_PER_SECOND},
    {"cm/s", &CENTIMETRE_PER_SECOND},
    {"厘米/秒", &CENTIMETRE_PER_SECOND},
    {"m/s^2", &METRE_PER_SECOND_SQUARED},
    {"m/s²", &METRE_PER_SECOND_SQUARED},
    {"m/s2", &METRE_PER_SECOND_SQUARED},
    {"米/秒^2", &METRE_PER_SECOND_SQUARED},
    {"米/秒²", &METRE_PER_SECOND_SQUARED},
    {"米/秒2", &METRE_PER_SECOND_SQUARED},
    {"cm/s^2", &CENTIMETRE_PER_SECOND_SQUARED},
    {"cm/s²", &CENTIMETRE_PER_SECOND_SQUARED},
    {"cm/s2", &CENTIMETRE_PER_SECOND_SQUARED},
    {"kg", &KILOGRAM},
    {"千克", &KILOGRAM},
    {"公斤", &KILOGRAM},
    {"g", &GRAM},
    {"克", &GRAM},
    {"t", &TONNE},
    {"吨", &TONNE},
    {"N", &NEWTON},
    {"牛", &NEWTON},
    {"牛顿", &NEWTON},
    {"kN", &KILONEWTON},
    {"千牛", &KILONEWTON},
    {"W", &WATT},
    {"瓦", &WATT},
    {"瓦特", &WATT},
    {"kW", &KILOWATT},
    {"千瓦", &KILOWATT},
    {"rad", &RADIAN},
    {"弧度", &RADIAN},
    {"°", &DEGREE},
    {"度", &DEGREE},
    {"rad/s", &RADIAN_PER_SECOND},
    {"弧度/秒", &RADIAN_PER_SECOND},
    {"r/s", &TURN_PER_SECOND},
    {"转/秒", &TURN_PER_SECOND},
    {"r/min", &TURN_PER_MINUTE},
    {"rpm", &TURN_PER_MINUTE},
    {"转/分", &TURN_PER_MINUTE},
    {"转/分钟", &TURN_PER_MINUTE},
};

// The hash of a spelling: its length, first two bytes and last byte, each
// times its own odd constant (from the golden ratio and MurmurHash3's mixer),
// summed; the slot is taken from the top bits. Four independent products cost
// less than a hash over every byte.
constexpr std::uint32_t HASH_FACTORS[] = {0x9E3779B1u, 0x85EBCA6Bu, 0xC2B2AE35u, 0x27D4EB2Fu};

constexpr std::uint32_t spelling_hash(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    return static_cast<std::uint32_t>(text.size()) * HASH_FACTORS[0] + byte(0) * HASH_FACTORS[1] +
           byte(text.size() > 1 ? 1 : 0) * HASH_FACTORS[2] +
           byte(text.size() - 1) * HASH_FACTORS[3];
}

// Open addressing over a power of two at least eight times the spellings (a
// kilobyte), so that a lookup hashes four bytes and compares one or two entries.
constexpr std::size_t SLOTS = 1024;
constexpr int SLOT_BITS = 10; // SLOTS is 2 to this power
static_assert(std::size(SPELLINGS) * 8 <= SLOTS && std::size(SPELLINGS) < 255);

constexpr std::size_t home_slot(std::string_view text)
{
    return spelling_hash(text) >> (32 - SLOT_BITS);
}

// Each slot holds an index into SPELLINGS plus one; zero is empty.
constexpr auto SLOT_TABLE = [] {
    std::array<std::uint8_t, SLOTS> slots{};
    for (std::size_t i = 0; i < std::size(SPELLINGS); ++i) {
        std::size_t slot = home_slot(SPELLINGS[i].text);
        while (slots[slot] != 0)
            slot = (slot + 1) & (SLOTS - 1);
        slots[slot] = static_cast<std::uint8_t>(i + 1);
    }
    return slots;
}();

// How far a spelling lies beyond its home slot, at most: kept small, so that
// a lookup compares one or two entries.
constexpr std::size_t LONGEST_PROBE = [] {
    std::size_t longest = 0;
    for (std::size_t i = 0; i < std::size(SPELLINGS); ++i) {
        std::size_t distance = 0;
        while (SLOT_TABLE[(home_slot(SPELLINGS[i].text) + distance) & (SLOTS - 1)] != i + 1)
            ++distance;
        longest = std::max(longest, distance);
    }
    return longest;
}();
static_assert(LONGEST_PROBE <= 1);

// A longer text is no unit, whatever it holds: pasted text is not hashed whole.
constexpr std::size_t LONGEST_SPELLING = [] {
    std::size_t longest = 0;
    for (const Spelling &spelling : SPELLINGS)
        longest = std::max(longest, spelling.text.size());
    return longest;
}();

// A byte loop: the spellings are a few bytes long, shorter than the call to
// memcmp that operator== makes.
bool same_bytes(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skip_blanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && is_blank(text[i]))
        ++i;
    return i;
}

std::string_view trim_end(std::string_view text)
{
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void not_a_number()
{
    throw CalculationFailure(Failure::NotANumber, "not a number");
}

// What a byte can be where a number or a unit is read, one table lookup a
// byte: reading "36 km/h" must cost little more than reading "36".
enum class Character : std::uint8_t {
    Other,
    Number,    // digits, either separator, signs, blanks: read_number judges them
    Exponent,  // e or E
    UnitStart, // a letter, or the first byte of U+4000 to U+9FFF (Chinese)
};

constexpr auto CHARACTERS = [] {
    std::array<Character, 256> kinds{};
    for (const char c : std::string_view("0123456789.,+- \t"))
        kinds[static_cast<unsigned char>(c)] = Character::Number;
    for (int c = 'a'; c <= 'z'; ++c)
        kinds[c] = kinds[c - 'a' + 'A'] = Character::UnitStart;
    kinds['e'] = kinds['E'] = Character::Exponent;
    for (int c = 0xE4; c <= 0xE9; ++c)
        kinds[c] = Character::UnitStart;
    return kinds;
}();

// Where the number ends. Lenient on purpose, taking either separator, signs
// and blanks anywhere: read_number judges the number, so "1,5 km" with a full
// stop fails as a number, not as a unit ",5 km".
std::size_t number_end(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const Character kind = CHARACTERS[static_cast<unsigned char>(text[i])];
        if (kind == Character::Number) {
            ++i;
            continue;
        }
        if (kind != Character::Exponent)
            break;
        std::size_t digit = i + 1; // an exponent: e, a sign, a digit
        if (digit < text.size() && (text[digit] == '+' || text[digit] == '-'))
            ++digit;
        if (digit == text.size() || !is_digit(text[digit]))
            break;
        i = digit;
    }
    return i;
}

// The length of a multiplication sign that starts a power of ten: ×, *, or x
// when "10" follows (a lone x is a unit, if an unknown one).
std::size_t times_sign(std::string_view rest)
{
    if (rest.starts_with("×"))
        return std::string_view("×").size();
    if (rest.starts_with('*'))
        return 1;
    if (rest.starts_with('x') && rest.substr(skip_blanks(rest, 1)).starts_with("10"))
        return 1;
    return 0;
}

// The character a superscript digit or sign at the front of `text` stands for,
// and its length in UTF-8; {0, 0} if there is none.
std::pair<char, std::size_t> superscript(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '\xC2') { // ¹ ² ³ are Latin-1
        if (text[1] == '\xB9')
            return {'1', 2};
        if (text[1] == '\xB2' || text[1] == '\xB3')
            return {static_cast<char>('2' + (text[1] - '\xB2')), 2};
    }
    if (text.size() >= 3 && text[0] == '\xE2' && text[1] == '\x81') { // U+2070 to U+207B
        const auto c = static_cast<unsigned char>(text[2]);
        if (c == 0xB0)
            return {'0', 3};
        if (c >= 0xB4 && c <= 0xB9)
            return {static_cast<char>('4' + (c - 0xB4)), 3};
        if (c == 0xBA || c == 0xBB)
            return {c == 0xBA ? '+' : '-', 3};
    }
    return {0, 0};
}

// Reads "10^-3" or "10⁻³" from text[i] and appends it to `number` as
// e-notation ("e-3"); returns where it ends. Anything else is not a number.
std::size_t read_power(std::string_view text, std::size_t i, std::string &number)
{
    if (!text.substr(i).starts_with("10"))
        not_a_number();
    i += 2;
    number += 'e';
    std::size_t digits = 0;
    if (i < text.size() && text[i] == '^') {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            number += text[i++];
        for (; i < text.size() && is_digit(text[i]); ++i, ++digits)
            number += text[i];
    } else {
        for (bool first = true;; first = false) {
            const auto [c, length] = superscript(text.substr(i));
            if (is_digit(c))
                ++digits;
            else if (!first || (c != '+' && c != '-'))
                break;
            number += c;
            i += length;
        }
    }
    if (digits == 0)
        not_a_number();
    return i;
}

// A unit begins with a letter (not e or E, which make a broken exponent), the
// degree sign or a Chinese character. Anything else after the digits is a
// malformed number, as the number rules alone say.
bool starts_unit(std::string_view rest)
{
    return CHARACTERS[static_cast<unsigned char>(rest[0])] == Character::UnitStart ||
           rest.starts_with("°");
}

// The number read and the unit after it, in a box of `dimension`.
Reading with_unit(double number, std::string_view unit_text, Dimension dimension)
{
    const Unit *unit = find_unit(unit_text);
    if (unit == nullptr)
        throw CalculationFailure(Failure::UnknownUnit, "unknown unit", std::string(unit_text));
    if (unit->dimension != dimension)
        throw CalculationFailure(Failure::WrongUnit, "a unit of another quantity",
                                 std::string(unit_text));
    return {number, unit, to_si(number, *unit)};
}

// A number with a power of ten, its multiplication sign ending before text[after_sign]:
// read as the e-notation it stands for, so that the double is the nearest one.
Reading read_power_quantity(std::string_view text, std::size_t digits_end, std::size_t after_sign,
                            Dimension dimension, char decimal_separator)
{
    std::string e_notation(trim_end(text.substr(0, digits_end)));
    const std::size_t rest =
        skip_blanks(text, read_power(text, skip_blanks(text, after_sign), e_notation));
    const std::string_view unit_text = trim_end(text.substr(rest));
    const double number = read_number(e_notation, decimal_separator);
    if (unit_text.empty())
        return {number, nullptr, number};
    if (!starts_unit(unit_text))
        not_a_number();
    return with_unit(number, unit_text, dimension);
}

} // namespace

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

// Every factor is finite and positive, so an overflow of the product stays
// infinite through the quotient: one check covers both steps.
double to_si(double typed, const Unit &unit)
{
    const double si = typed * unit.multiply / unit.divide;
    return std::isfinite(si) ? si : checked(si);
}

double from_si(double si, const Unit &unit)
{
    const double typed = si * unit.divide / unit.multiply;
    return std::isfinite(typed) ? typed : checked(typed);
}

const Unit *find_unit(std::string_view spelling)
{
    if (spelling.size() > LONGEST_SPELLING)
        return nullptr;
    for (std::size_t slot = home_slot(spelling); SLOT_TABLE[slot] != 0;
         slot = (slot + 1) & (SLOTS - 1)) {
        const Spelling &entry = SPELLINGS[SLOT_TABLE[slot] - 1];
        if (same_bytes(entry.text, spelling))
            return entry.unit;
    }
    return nullptr;
}

Reading read_quantity(std::string_view text, Dimension dimension, char decimal_separator)
{
    const std::size_t digits_end = number_end(text);
    const std::size_t rest = skip_blanks(text, digits_end);
    if (const std::size_t sign = times_sign(text.substr(rest)); sign != 0)
        return read_power_quantity(text, digits_end, rest + sign, dimension, decimal_separator);
    const std::string_view unit_text = trim_end(text.substr(rest));
    if (unit_text.empty() || !starts_unit(unit_text)) {
        // No unit: the number rules alone, on the whole text as typed.
        const double number = read_number(text, decimal_separator);
        return {number, nullptr, number};
    }
    return with_unit(read_number(text.substr(0, digits_end), decimal_separator), unit_text,
                     dimension);
}

} // namespace mechanics
