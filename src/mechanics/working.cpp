#include "mechanics/working.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mechanics {

namespace {

constexpr std::string_view MINUS = "−"; // U+2212, the sign of mathematics

// With all its figures a value is written plainly from 0.001 to below 10 000;
// rounded to n figures, from 0.01 to below 10ⁿ, where no zero stands in for a
// dropped digit.
struct PlainRange {
    int from; // the powers of ten of the leading digit
    int to;
};
constexpr PlainRange ALL_FIGURES_PLAIN = {-3, 3};
constexpr int ROUNDED_PLAIN_FROM = -2;

// A decimal as its significant digits d₁d₂… and the power of ten of d₁.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    int power = 0;
};

Decimal parse(std::string_view text)
{
    Decimal d;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        d.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int exponent = 0;
    if (const auto e = text.find_first_of("Ee"); e != std::string_view::npos) {
        exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
        text = text.substr(0, e);
    }
    const auto point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    std::string all(whole);
    if (point != std::string_view::npos)
        all += text.substr(point + 1);
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return d;
    d.digits = all.substr(first);
    d.power = static_cast<int>(whole.size()) - static_cast<int>(first) - 1 + exponent;
    return d;
}

std::string format(const Decimal &d, char separator, PlainRange plain)
{
    if (d.digits.empty())
        return "0";
    std::string text(d.negative ? MINUS : std::string_view{});
    const std::string &g = d.digits;
    if (d.power < plain.from || d.power > plain.to) {
        text += g.substr(0, 1);
        if (g.size() > 1)
            text += separator + g.substr(1);
        text += "×10^{";
        text +=
            d.power < 0 ? std::string(MINUS) + std::to_string(-d.power) : std::to_string(d.power);
        return text + "}";
    }
    if (d.power < 0)
        return text + "0" + separator + std::string(static_cast<std::size_t>(-d.power - 1), '0') +
               g;
    const auto whole = static_cast<std::size_t>(d.power) + 1;
    if (g.size() <= whole)
        return text + g + std::string(whole - g.size(), '0');
    return text + g.substr(0, whole) + separator + g.substr(whole);
}

// What a failing step could not do.
std::string_view failure_reason(Failure kind)
{
    switch (kind) {
    case Failure::DivisionByZero:
        return "除数为零";
    case Failure::NegativeRoot:
        return "被开方数为负";
    case Failure::NotANumber:
    case Failure::OutOfRange:
    case Failure::UnknownUnit:
    case Failure::WrongUnit:
        break;
    }
    return "结果超出了数的范围";
}

constexpr std::string_view CANNOT = "无法计算：";

// Why the text of the box `symbol` could not be read.
std::string reading_failure_line(std::string_view symbol, std::string_view text,
                                 Dimension dimension, const CalculationFailure &failure)
{
    std::string why(CANNOT);
    const std::string name(symbol);
    switch (failure.kind()) {
    case Failure::UnknownUnit:
        return why + name + " 的单位“" + failure.detail() + "”无法识别。";
    case Failure::WrongUnit:
        return why + name + " 的单位“" + failure.detail() + "”不是" +
               std::string(dimension_name(dimension)) + "的单位。";
    case Failure::NotANumber:
        if (blank(text))
            return why + "没有输入 " + name + "。";
        return why + name + " 的输入“" + std::string(text) + "”不是数字。";
    case Failure::DivisionByZero:
    case Failure::NegativeRoot:
    case Failure::OutOfRange:
        break;
    }
    return why + name + " 的输入“" + std::string(text) + "”超出了数的范围。";
}

} // namespace

FiguresText round_figures(std::string_view box_text, int figures)
{
    Decimal d = parse(box_text);
    // The box's text already drops trailing zeros; keep it so at all figures.
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    const char separator = box_text.find(',') != std::string_view::npos ? ',' : '.';
    if (figures <= ALL_FIGURES || d.digits.empty())
        return {format(d, separator, ALL_FIGURES_PLAIN), false};
    const auto kept = static_cast<std::size_t>(figures);
    bool rounded = false;
    if (d.digits.size() > kept) {
        rounded = true;
        const bool up = d.digits[kept] >= '5';
        d.digits.resize(kept);
        // Half away from zero on the digits: carry from the last one kept.
        for (std::size_t i = kept; up && i-- > 0;) {
            if (d.digits[i] != '9') {
                ++d.digits[i];
                break;
            }
            d.digits[i] = '0';
            if (i == 0) {
                d.digits.insert(d.digits.begin(), '1');
                d.digits.pop_back();
                ++d.power;
            }
        }
    }
    d.digits.resize(kept, '0'); // 25 at three figures is 25.0
    return {format(d, separator, {ROUNDED_PLAIN_FROM, figures - 1}), rounded};
}

std::string failure_line(Failure kind)
{
    return std::string(CANNOT) + std::string(failure_reason(kind)) + "。";
}

std::string full_markup(double value, char decimal_separator)
{
    return round_figures(number_text(value, decimal_separator), ALL_FIGURES).markup;
}

void Working::solve(std::string_view convention)
{
    text("解：").text(convention);
    end_line();
    knowns_line_ = static_cast<int>(lines_.size());
    lines_.emplace_back();
}

Number Working::read(std::string_view symbol, std::string_view text, Dimension dimension,
                     char decimal_separator)
{
    Reading reading;
    try {
        reading = read_quantity(text, dimension, decimal_separator);
    } catch (const CalculationFailure &failure) {
        throw failure.explained({reading_failure_line(symbol, text, dimension, failure)});
    }
    return read_known(symbol, reading, dimension);
}

Angle Working::read_angle(std::string_view symbol, std::string_view text, bool page_in_degrees,
                          char decimal_separator)
{
    const Number typed = read(symbol, text, Dimension::Angle, decimal_separator);
    Known &known = knowns_.back();
    const bool degrees = known.typed_unit ? known.typed_unit->degrees() : page_in_degrees;
    if (degrees) {
        known.unit = "°";
        known.typed_unit = nullptr;
    }
    return {typed.value(), degrees};
}

Number Working::read_known(std::string_view symbol, const Reading &reading, Dimension dimension)
{
    Known k{std::string(symbol), reading.value, std::string(si_unit(dimension)), {}};
    if (reading.unit && !reading.unit->si() && !reading.unit->degrees()) {
        k.typed_unit = reading.unit;
        k.typed = reading.number;
        auto &first = typed_units_[static_cast<std::size_t>(dimension)];
        if (!first)
            first = reading.unit;
    } else if (reading.unit && reading.unit->degrees()) {
        k.typed_unit = reading.unit; // the angle's unit, whatever the page's
    }
    knowns_.push_back(std::move(k));
    return reading.value;
}

void Working::known(std::string_view symbol, Number value, std::string_view unit,
                    std::string_view note)
{
    knowns_.push_back({std::string(symbol), value.value(), std::string(unit), std::string(note)});
}

void Working::order_knowns(std::initializer_list<std::string_view> symbols)
{
    order_.assign(symbols.begin(), symbols.end());
}

std::string Working::step_failure_line(std::string_view symbol, Failure kind)
{
    return std::string(CANNOT) + "求 " + std::string(symbol) + " 时" +
           std::string(failure_reason(kind)) + "。";
}

Working &Working::text(std::string_view markup)
{
    current_.push_back({Kind::Text, std::string(markup)});
    return *this;
}

Working &Working::value(Number v, bool brackets)
{
    current_.push_back({brackets ? Kind::Value : Kind::Bare, {}, v.value()});
    return *this;
}

Working &Working::figures(Number v)
{
    current_.push_back({Kind::Figures, {}, v.value()});
    return *this;
}

Working &Working::result(Number v)
{
    current_.push_back({Kind::Result, {}, v.value()});
    return *this;
}

Working &Working::answer(Number v, Dimension dimension)
{
    figures(v).text(" ").text(si_unit(dimension));
    if (const Unit *typed = typed_units_[static_cast<std::size_t>(dimension)]) {
        // Back in the student's unit; a value that unit cannot hold is left out.
        const double in_typed = v.value() * typed->divide / typed->multiply;
        if (std::isfinite(in_typed))
            text("（").figures(in_typed).text(" ").text(typed->symbol).text("）");
    }
    return *this;
}

void Working::end_line()
{
    lines_.push_back(std::move(current_));
    current_.clear();
}

void Working::line(std::string_view markup)
{
    text(markup);
    end_line();
}

Working &Working::angle(const Angle &alpha)
{
    return value(alpha.typed, !alpha.degrees).text(alpha.degrees ? "°" : "");
}

void Working::radians_line(const Angle &alpha)
{
    if (!alpha.degrees || alpha.right_angle_multiple())
        return;
    const Number radians = let("α", [&] { return alpha.radians(); });
    text("α = ").value(alpha.typed, false).text("° = \\frac{").value(alpha.typed);
    text("×π}{180} rad = ").value(radians, false).text(" rad（π 取 ").text(PI_15_TEXT).text("）");
    end_line();
}

void Working::message(std::string_view reason)
{
    if (!current_.empty())
        end_line();
    text(reason);
    end_line();
}

void Working::failed(const CalculationFailure &failure)
{
    // The line that was being written is left unfinished: it has no value.
    current_.clear();
    if (failure.explanation().empty())
        return message(failure_line(failure.kind()));
    for (const std::string &why : failure.explanation())
        message(why);
}

std::vector<Working::Known> Working::ordered_knowns() const
{
    std::vector<Known> knowns = knowns_;
    const auto place = [this](const Known &k) {
        return std::find(order_.begin(), order_.end(), k.symbol) - order_.begin();
    };
    std::stable_sort(knowns.begin(), knowns.end(),
                     [&](const Known &a, const Known &b) { return place(a) < place(b); });
    return knowns;
}

std::vector<std::string> Working::lines(int figures, char decimal_separator) const
{
    std::vector<std::string> out;
    auto all = lines_;
    if (!current_.empty())
        all.push_back(current_);
    for (std::size_t n = 0; n < all.size(); ++n) {
        std::string line;
        if (static_cast<int>(n) == knowns_line_) {
            line = "已知 ";
            const std::vector<Known> knowns = ordered_knowns();
            for (std::size_t k = 0; k < knowns.size(); ++k) {
                const Known &known = knowns[k];
                line += (k ? "，" : "") + known.symbol + " = ";
                if (known.typed_unit && !known.typed_unit->degrees())
                    line += full_markup(known.typed, decimal_separator) + " " +
                            std::string(known.typed_unit->symbol) + " = ";
                line += full_markup(known.value, decimal_separator);
                // 120°: a degree sign follows its number without a space.
                line += (known.unit.empty() || known.unit == "°" ? "" : " ") + known.unit;
                line += known.note;
            }
            if (knowns_.empty())
                continue;
        }
        for (const Piece &piece : all[n]) {
            if (piece.kind == Kind::Text) {
                line += piece.text;
                continue;
            }
            const std::string box = number_text(piece.value, decimal_separator);
            if (piece.kind == Kind::Value || piece.kind == Kind::Bare) {
                const std::string shown = full_markup(piece.value, decimal_separator);
                line += piece.value < 0 && piece.kind == Kind::Value ? "(" + shown + ")" : shown;
                continue;
            }
            const FiguresText shown = round_figures(box, figures);
            if (piece.kind == Kind::Result)
                line += shown.rounded ? "≈ " : "= ";
            line += shown.markup;
        }
        out.push_back(line);
    }
    return out;
}

} // namespace mechanics
