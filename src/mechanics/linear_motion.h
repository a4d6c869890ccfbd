// Uniformly accelerated motion along a line: any three of v0, vt, a, S and t
// give the other two.
#pragma once

#include <array>
#include <bit>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace mechanics {

class Working;

// The five quantities of the motion, in the order the page visits them.
enum class MotionQuantity { V0, Vt, A, S, T };

// The quantities whose check box is ticked.
class KnownSet {
public:
    constexpr KnownSet() = default;
    constexpr KnownSet(std::initializer_list<MotionQuantity> quantities)
    {
        for (MotionQuantity quantity : quantities)
            add(quantity);
    }

    constexpr void add(MotionQuantity quantity) { bits_ |= bit(quantity); }
    constexpr bool contains(MotionQuantity quantity) const { return (bits_ & bit(quantity)) != 0; }
    constexpr int size() const { return std::popcount(bits_); }
    friend constexpr bool operator==(KnownSet, KnownSet) = default;

private:
    static constexpr unsigned bit(MotionQuantity quantity)
    {
        return 1U << static_cast<unsigned>(quantity);
    }

    unsigned bits_ = 0;
};

// What the page hands over: the ticked quantities and the texts of their
// boxes (those of unknown quantities are never read). t is read at once, so
// that a bad time ends the click before the count is checked; v0, vt, a and S
// wait until a formula first uses them, so that a guard tested earlier
// (S = 0, t ≤ 0) wins over a bad text.
struct MotionInput {
    KnownSet known;
    std::string_view v0;
    std::string_view vt;
    std::string_view a;
    std::string_view s;
    std::string_view t;
    char decimal_separator = '.';
};

// The messages of the page; each is two lines.
enum class MotionMessage {
    Count,            // not exactly three quantities known
    Sign,             // a points against the motion: the time would run backwards
    ZeroDisplacement, // v0, vt and S known with S = 0
    Time,             // v0, vt and t known with t ≤ 0
    Calculation,      // a derived time below zero
};

std::string motion_message_text(MotionMessage message);

struct MotionResult {
    MotionQuantity quantity;
    double value;

    friend bool operator==(const MotionResult &, const MotionResult &) = default;
};

// The two unknowns in the order their boxes are written.
using MotionSolution = std::array<MotionResult, 2>;
using MotionOutcome = std::variant<MotionSolution, MotionMessage>;

// Solves for the two unknowns, or names the message to show. Raises
// CalculationFailure for a text that is not a number, a division by zero, the
// root of a negative number or an overflow. Every formula is evaluated in the
// order written, products left to right and x² as x·x: the fifteenth digit of
// the answers depends on it. The working follows the protocol of working.h;
// beyond the boxes it answers the braking trap, names both passages of a point
// passed twice, and suggests the sign of a where a time runs backwards.
MotionOutcome solve_linear_motion(const MotionInput &input, Working &working);

} // namespace mechanics
