// The working of one click, written out as a student writes it in an exam:
// 解 (with the sign convention), 已知 (the known values with their units),
// 由 … 得 (the law, the formula solved for the unknown, the substitution with
// its numbers in brackets and the unit, the value) and 答. A solver records it
// while it computes, from the very values it computes with, so the working
// never disagrees with the boxes.
//
// Lines are formula markup, as the pages' formula captions: _x and ^x scripts,
// \frac{a}{b}, \sqrt{x}, {…} groups.
#pragma once

#include "mechanics/numbers.h"

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

// A result as the working writes it, from the text its box shows (number_text):
// rounded half away from zero to `figures` significant figures with trailing
// zeros kept, written plainly from 0.001 to below 10 000 and otherwise as
// a×10ⁿ (markup a×10^{n}); the minus sign is U+2212.
FiguresText round_figures(std::string_view box_text, int figures);

class Working {
public:
    // 解 and the sign convention, if the motion has a direction.
    void solve(std::string_view convention = {});

    // Reads a known value for the 已知 line; a text that is not a number ends
    // the click, and the working names the box.
    double read(std::string_view symbol, std::string_view text, std::string_view unit,
                char decimal_separator);
    // A known value given as a number, with an optional note after it.
    void known(std::string_view symbol, double value, std::string_view unit,
               std::string_view note = {});

    // The 已知 line lists the knowns in this order of their symbols, whatever
    // the order they were read in.
    void order_knowns(std::initializer_list<std::string_view> symbols);

    // The step about to be computed, named if it fails.
    void step(std::string_view markup);
    // Pieces of the current line: text; a value with all its digits, in
    // brackets when negative as in a substitution; a result at the figures
    // chosen after "=" or "≈"; a result alone at the figures chosen (答).
    Working &text(std::string_view markup);
    Working &value(double v, bool brackets = true);
    Working &result(double v);
    Working &figures(double v);
    void end_line();

    // The page showed a message: the reason in one line.
    void message(std::string_view reason);
    // The click ended on a calculation failure: what failed and why.
    void failed(Failure kind);

    bool empty() const { return lines_.empty() && knowns_.empty(); }
    std::vector<std::string> lines(int figures, char decimal_separator) const;

private:
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
    };
    std::vector<std::vector<Piece>> lines_;
    std::vector<Piece> current_;
    std::vector<Known> knowns_;
    int knowns_line_ = -1; // where the 已知 line stands
    std::string reading_;  // the symbol and text being read, while it is
    std::string reading_text_;
    std::string step_; // the step being computed, while it is
};

// A value with all the digits its box shows, in the working's two forms.
std::string full_markup(double value, char decimal_separator);

} // namespace mechanics
