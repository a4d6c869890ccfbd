#include "mechanics/working.h"

#include <algorithm>
#include <cstdlib>

namespace mechanics {

namespace {

constexpr std::string_view MINUS = "−"; // U+2212, the sign of mathematics

// Plainly from 0.001 to below 10 000: powers of ten from -3 to 3.
constexpr int PLAIN_FROM = -3;
constexpr int PLAIN_TO = 3;

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

std::string format(const Decimal &d, char separator)
{
    if (d.digits.empty())
        return "0";
    std::string text(d.negative ? MINUS : std::string_view{});
    const std::string &g = d.digits;
    if (d.power < PLAIN_FROM || d.power > PLAIN_TO) {
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
    case Failure::OutOfRange:
    case Failure::NotANumber:
    case Failure::UnknownUnit:
    case Failure::WrongUnit:
        break;
    }
    return "结果超出了数的范围";
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
        return {format(d, separator), false};
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
    return {format(d, separator), rounded};
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

double Working::read(std::string_view symbol, std::string_view text, std::string_view unit,
                     char decimal_separator)
{
    reading_ = symbol;
    reading_text_ = text;
    const double value = read_number(text, decimal_separator);
    reading_.clear();
    known(symbol, value, unit);
    return value;
}

void Working::known(std::string_view symbol, double value, std::string_view unit,
                    std::string_view note)
{
    knowns_.push_back({std::string(symbol), value, std::string(unit), std::string(note)});
}

void Working::order_knowns(std::initializer_list<std::string_view> symbols)
{
    const auto place = [symbols](const Known &k) {
        return std::find(symbols.begin(), symbols.end(), k.symbol) - symbols.begin();
    };
    std::stable_sort(knowns_.begin(), knowns_.end(),
                     [&](const Known &a, const Known &b) { return place(a) < place(b); });
}

void Working::step(std::string_view markup)
{
    step_ = markup;
}

Working &Working::text(std::string_view markup)
{
    current_.push_back({Kind::Text, std::string(markup)});
    return *this;
}

Working &Working::value(double v, bool brackets)
{
    current_.push_back({brackets ? Kind::Value : Kind::Bare, {}, v});
    return *this;
}

Working &Working::figures(double v)
{
    current_.push_back({Kind::Figures, {}, v});
    return *this;
}

Working &Working::result(double v)
{
    current_.push_back({Kind::Result, {}, v});
    step_.clear();
    return *this;
}

void Working::end_line()
{
    lines_.push_back(std::move(current_));
    current_.clear();
}

void Working::message(std::string_view reason)
{
    if (!current_.empty())
        end_line();
    text(reason);
    end_line();
}

void Working::failed(Failure kind)
{
    std::string why = "无法计算：";
    if (!reading_.empty()) {
        why += reading_ + " 的输入“" + reading_text_ + "”";
        why += kind == Failure::NotANumber ? "不是数字。" : "超出了数的范围。";
    } else if (!step_.empty()) {
        why += "求 " + step_ + " 时" + std::string(failure_reason(kind)) + "。";
    } else {
        why += std::string(failure_reason(kind)) + "。";
    }
    // The line that was being written is left unfinished: it has no value.
    current_.clear();
    message(why);
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
            for (std::size_t k = 0; k < knowns_.size(); ++k) {
                const Known &known = knowns_[k];
                line += (k ? "，" : "") + known.symbol + " = " +
                        full_markup(known.value, decimal_separator);
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
