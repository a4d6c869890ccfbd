// The working of one click, written out as a student writes it in an exam:
// 解 (with the sign convention), 已知 (the known values with their units),
// 由 … 得 (the law, the formula solved for the unknown, the substitution with
// its numbers in brackets and the unit, the value) and 答.
//
// How a click writes it, on every calculator page:
// - The page makes a fresh Working and hands it, with the typed texts and the
//   page's choices, to its solver, whose signature is always
//       Outcome solve_…(const …Input &input, Working &working);
//   The page writes no line itself; it writes the boxes or shows the message
//   that the outcome names.
// - The solver writes everything, from the very values it computes with, so
//   the working never disagrees with the boxes: solve() first (解); each known
//   through read() or known(), in the order it reads them (the 已知 line
//   stands second, in the order order_knowns() gives); each step as
//   let() and a line of text(), value() and result(); then 答 with answer().
//   A message the page shows has its reason written by message().
// - A failure explains itself: read() names the box and what is wrong with its
//   text, let() names the quantity being sought; the explanation travels in
//   the CalculationFailure to the click dispatcher, which hands it to the page,
//   whose working appends it (failed()). Nothing is left behind in the working
//   to say what failed.
//
// Lines are formula markup, as the pages' formula captions: _x and ^x scripts,
// \frac{a}{b}, \sqrt{x}, {…} groups.
#pragma once

#include "mechanics/numbers.h"
#include "mechanics/trigonometry.h"
#include "mechanics/units.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace mechanics {

// The significant figures a result is written with: 2, 3, 4, or all fifteen
// that its box shows.
inline constexpr int ALL_FIGURES = 0;

struct FiguresText {
    std::string markup;
    bool rounded = false; // digits were dropped: the working writes ≈
};

// A result as the working writes it, from the text its box shows (number_text),
// rounded half away from zero to `figures` significant figures with trailing
// zeros kept. At n figures a value is written plainly when, rounded, it lies
// from 0.01 to below 10ⁿ, so that no zero stands in for a dropped digit (307,
// 0.0307), and otherwise as a×10ⁿ (7.91×10³, 2.0×10³); with all its figures,
// plainly from 0.001 to below 10 000. The minus sign is U+2212.
FiguresText round_figures(std::string_view box_text, int figures);

// The explanation of a failure that no step named.
std::string failure_line(Failure kind);

class Working {
public:
    // 解 and the sign convention, if the motion has a direction.
    void solve(std::string_view convention = {});

    // Reads a known value, a unit typed after it turned into SI; a text that
    // is not a number of that kind ends the click, its failure naming the box.
    Number read(std::string_view symbol, std::string_view text, Dimension dimension,
                char decimal_separator);
    // An angle: a typed ° or rad is used whatever the page's unit of angle.
    Angle read_angle(std::string_view symbol, std::string_view text, bool page_in_degrees,
                     char decimal_separator);
    // A known value given as a number (a constant), with a note after it.
    void known(std::string_view symbol, Number value, std::string_view unit,
               std::string_view note = {});

    // The 已知 line lists the knowns in this order of their symbols, whatever
    // the order they were read in, also those read after the call.
    void order_knowns(std::initializer_list<std::string_view> symbols);

    // A step: the value of `formula`, a failure in it explained as one in
    // seeking `symbol` ("求 t 时除数为零").
    template <class Formula> Number let(std::string_view symbol, Formula formula)
    {
        try {
            return formula();
        } catch (const CalculationFailure &failure) {
            if (!failure.explanation().empty())
                throw;
            throw failure.explained({step_failure_line(symbol, failure.kind())});
        }
    }

    // Pieces of the current line: text; a value with all its digits, in
    // brackets when negative as in a substitution; a result at the figures
    // chosen after "=" or "≈"; a result alone at the figures chosen; a result of
    // 答 with its SI unit, and again in the unit the student typed for that
    // kind of quantity, if not SI: "5.00 m/s（18.0 km/h）".
    Working &text(std::string_view markup);
    Working &value(Number v, bool brackets = true);
    Working &result(Number v);
    Working &figures(Number v);
    Working &answer(Number v, Dimension dimension);
    void end_line();
    // A whole line of text.
    void line(std::string_view markup);
    // An angle in a substitution as the student gave it: 120°, or radians,
    // in brackets when negative.
    Working &angle(const Angle &alpha);
    // α in degrees off a right-angle multiple: the line that turns it into the
    // radians it is taken as, with the fifteen-digit π.
    void radians_line(const Angle &alpha);

    // The page showed a message: the reason in one line.
    void message(std::string_view reason);
    // The click ended on a calculation failure: what failed and why.
    void failed(const CalculationFailure &failure);

    bool empty() const { return lines_.empty() && knowns_.empty(); }
    std::vector<std::string> lines(int figures, char decimal_separator) const;

private:
    static std::string step_failure_line(std::string_view symbol, Failure kind);
    Number read_known(std::string_view symbol, const Reading &reading, Dimension dimension);

    enum class Kind { Text, Value, Bare, Result, Figures };
    struct Piece {
        Kind kind;
        std::string text;
        double value = 0;
    };
    struct Known {
        std::string symbol;
        double value;
        std::string unit;
        std::string note;
        const Unit *typed_unit = nullptr; // not SI: the number as typed comes first
        double typed = 0;
    };
    std::vector<std::vector<Piece>> lines_;
    std::vector<Piece> current_;
    std::vector<Known> knowns_;
    std::vector<std::string> order_; // of the symbols on the 已知 line
    std::vector<Known> ordered_knowns() const;
    int knowns_line_ = -1; // where the 已知 line stands
    // The first unit other than SI the student typed for each kind of quantity.
    std::array<const Unit *, 9> typed_units_{};
};

// A value with all the digits its box shows, in the working's two forms.
std::string full_markup(double value, char decimal_separator);

} // namespace mechanics
