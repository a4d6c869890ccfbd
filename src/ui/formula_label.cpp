#include "ui/formula_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace ui {

namespace {

// Scripts are drawn at 70% of the surrounding size, as in printed textbooks.
constexpr double SCRIPT_SCALE = 0.7;
// Space between a fraction bar and its numerator or denominator, in pixels.
constexpr double FRACTION_GAP = 1.5;
// Space between the root bar and the top of the radicand, in pixels.
constexpr double ROOT_GAP = 1.5;

// The markup as read: what is drawn is also what a screen reader hears.
struct Node {
    enum Kind {
        Text,        // `text`, drawn as one run so the font's kerning holds
        Row,         // parts side by side
        Stack,       // a subscript and a superscript over the same place
        Subscript,   // parts[0], lowered and smaller
        Superscript, // parts[0], raised and smaller
        Fraction,    // parts[0] over parts[1]
        Root,        // parts[0] under a root sign
    };
    Kind kind = Row;
    QString text = {};
    std::vector<Node> parts = {};
};

class Parser {
public:
    explicit Parser(const QString &markup) : text_(markup) {}

    Node formula()
    {
        Node all;
        // A stray closing brace ends nothing: the text after it still counts.
        for (; pos_ < text_.size(); ++pos_) {
            Node row = this->row();
            std::move(row.parts.begin(), row.parts.end(), std::back_inserter(all.parts));
        }
        return all;
    }

private:
    Node row()
    {
        Node row;
        QString run;
        auto flush = [&] {
            if (!run.isEmpty())
                row.parts.push_back({Node::Text, std::exchange(run, {})});
        };
        while (pos_ < text_.size() && text_[pos_] != u'}') {
            const QChar c = text_[pos_];
            if (c != u'_' && c != u'^' && c != u'\\' && c != u'{') {
                run.append(c);
                ++pos_;
                continue;
            }
            flush();
            if (c == u'{') {
                row.parts.push_back(group());
            } else if (c == u'\\') {
                row.parts.push_back(command());
            } else {
                ++pos_;
                Node script{c == u'^' ? Node::Superscript : Node::Subscript, {}, {group()}};
                const auto other = c == u'^' ? Node::Subscript : Node::Superscript;
                if (!row.parts.empty() && row.parts.back().kind == other) {
                    Node &previous = row.parts.back();
                    previous = {Node::Stack, {}, {std::move(previous), std::move(script)}};
                } else {
                    row.parts.push_back(std::move(script));
                }
            }
        }
        flush();
        return row;
    }

    // One braced group, or a single character; nothing at the end of the text.
    Node group()
    {
        if (pos_ >= text_.size())
            return {};
        if (text_[pos_] != u'{')
            return {Node::Text, QString(text_[pos_++])};
        ++pos_;
        Node inner = row();
        if (pos_ < text_.size())
            ++pos_; // the closing brace
        return inner;
    }

    Node command()
    {
        ++pos_;
        const auto name = text_.mid(pos_, 4);
        const bool fraction = name == QLatin1String("frac");
        if (!fraction && name != QLatin1String("sqrt"))
            return {Node::Text, QStringLiteral("\\")};
        pos_ += 4;
        Node node{fraction ? Node::Fraction : Node::Root, {}, {group()}};
        if (fraction)
            node.parts.push_back(group());
        return node;
    }

    QString text_;
    qsizetype pos_ = 0;
};

QChar script_char(QChar c, bool superscript)
{
    static const QString digits_up = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    static const QString digits_down = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
    if (c.isDigit() && c.unicode() < 0x80)
        return (superscript ? digits_up : digits_down).at(c.unicode() - u'0');
    // 10⁻⁶, not 10−⁶: a full-size sign before raised digits reads as "10 minus 6".
    if (c == u'−' || c == u'-')
        return superscript ? u'⁻' : u'₋';
    if (c == u'+')
        return superscript ? u'⁺' : u'₊';
    if (!superscript) {
        static const QString letters = QStringLiteral("aehklmnopstx");
        static const QString lowered = QStringLiteral("ₐₑₕₖₗₘₙₒₚₛₜₓ");
        const auto i = letters.indexOf(c);
        if (i >= 0)
            return lowered.at(i);
    }
    return c;
}

QString plain(const Node &node, int script);

// Whether the brackets that open and close `text` belong together: (−2), not
// (a) + (b).
bool bracketed(const QString &text)
{
    if (!text.startsWith(u'(') || !text.endsWith(u')'))
        return false;
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        depth += text[i] == u'(' ? 1 : text[i] == u')' ? -1 : 0;
        if (depth == 0)
            return i == text.size() - 1;
    }
    return false;
}

// A numerator or denominator of more than one term, read on one line, needs
// its brackets: (v_t − v_0)/a. A value the working bracketed already, a
// negative one, keeps its own: 10/(−2).
QString term(const QString &text)
{
    static const QRegularExpression operators(QStringLiteral("[ +−×/-]"));
    return text.contains(operators) && !bracketed(text) ? u'(' + text + u')' : text;
}

// `script`: +1 inside a superscript, -1 inside a subscript, 0 on the line.
QString plain(const Node &node, int script)
{
    QString out;
    switch (node.kind) {
    case Node::Text:
        for (const QChar c : node.text)
            out += script == 0 ? c : script_char(c, script > 0);
        return out;
    case Node::Subscript:
    case Node::Superscript:
        return plain(node.parts[0], node.kind == Node::Superscript ? 1 : -1);
    case Node::Fraction:
        return term(plain(node.parts[0], script)) + u'/' + term(plain(node.parts[1], script));
    case Node::Root:
        return QStringLiteral("√(") + plain(node.parts[0], script) + u')';
    case Node::Row:
    case Node::Stack:
        for (const Node &part : node.parts)
            out += plain(part, script);
        return out;
    }
    return out;
}

// Something to draw, relative to the baseline origin of its box: `text` in
// `font` with its baseline at `at`, or else the outline `path`.
struct Ink {
    QPointF at;
    QString text;
    QFont font;
    QPainterPath path;
};

// A laid-out piece of a formula: its extent around the baseline, its ink.
struct Box {
    double width = 0;
    double ascent = 0;
    double descent = 0;
    std::vector<Ink> ink;

    void add(const Box &inner, QPointF offset)
    {
        for (Ink piece : inner.ink) {
            piece.at += offset;
            piece.path.translate(offset);
            ink.push_back(std::move(piece));
        }
    }
};

QFont scaled(const QFont &font, double factor)
{
    QFont result = font;
    // A font sized in pixels has no point size (-1).
    if (font.pointSizeF() > 0)
        result.setPointSizeF(font.pointSizeF() * factor);
    else
        result.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    return result;
}

Box lay_out(const Node &node, const QFont &font)
{
    const QFontMetricsF metrics(font);
    Box box;
    switch (node.kind) {
    case Node::Text: {
        // Ink extent rather than the font's line height: CJK fonts reserve a lot
        // of room above and below, which would push fractions far apart.
        const QRectF ink = metrics.tightBoundingRect(node.text);
        box.width = metrics.horizontalAdvance(node.text);
        box.ascent = std::max(0.0, -ink.top());
        box.descent = std::max(0.0, ink.bottom());
        box.ink.push_back({{}, node.text, font, {}});
        break;
    }
    case Node::Row:
    case Node::Stack:
        for (const Node &part : node.parts) {
            const Box item = lay_out(part, font);
            box.add(item, {node.kind == Node::Row ? box.width : 0.0, 0});
            box.width =
                node.kind == Node::Row ? box.width + item.width : std::max(box.width, item.width);
            box.ascent = std::max(box.ascent, item.ascent);
            box.descent = std::max(box.descent, item.descent);
        }
        break;
    case Node::Subscript:
    case Node::Superscript: {
        const double rise =
            node.kind == Node::Superscript ? metrics.xHeight() * 0.8 : -metrics.xHeight() * 0.45;
        const Box inner = lay_out(node.parts[0], scaled(font, SCRIPT_SCALE));
        box.width = inner.width;
        box.ascent = std::max(0.0, inner.ascent + rise);
        box.descent = std::max(0.0, inner.descent - rise);
        box.add(inner, {0, -rise});
        break;
    }
    case Node::Fraction: {
        // The bar sits on the math axis, half an x-height above the baseline.
        const double bar = -metrics.xHeight() * 0.5;
        const double pad = metrics.horizontalAdvance(QLatin1Char(' ')) * 0.3;
        const Box top = lay_out(node.parts[0], font);
        const Box bottom = lay_out(node.parts[1], font);
        box.width = std::max(top.width, bottom.width) + 2 * pad;
        box.ascent = -bar + FRACTION_GAP + top.descent + top.ascent;
        box.descent = std::max(0.0, FRACTION_GAP + bottom.ascent + bottom.descent + bar);
        QPainterPath line({0.5, bar});
        line.lineTo(box.width - 0.5, bar);
        box.ink.push_back({{}, {}, {}, line});
        box.add(top, {(box.width - top.width) / 2, bar - FRACTION_GAP - top.descent});
        box.add(bottom, {(box.width - bottom.width) / 2, bar + FRACTION_GAP + bottom.ascent});
        break;
    }
    case Node::Root: {
        const Box inner = lay_out(node.parts[0], font);
        const double sign = metrics.horizontalAdvance(QLatin1Char('v')) * 0.9;
        const double top = std::max(inner.ascent, metrics.capHeight()) + ROOT_GAP;
        box.width = sign + inner.width + 1;
        box.ascent = top + 1;
        box.descent = std::max(inner.descent, 1.0);
        QPainterPath path({0, -top * 0.45});
        path.lineTo(sign * 0.25, -top * 0.55);
        path.lineTo(sign * 0.5, box.descent - 0.5);
        path.lineTo(sign, -top);
        path.lineTo(box.width, -top);
        box.ink.push_back({{}, {}, {}, path});
        box.add(inner, {sign, 0});
        break;
    }
    }
    return box;
}

} // namespace

struct FormulaLabel::Formula {
    Node tree;
    QFont font;
    std::optional<Box> box;

    const Box &laid_out(const QFont &current)
    {
        if (!box || font != current) {
            font = current;
            box = lay_out(tree, font);
        }
        return *box;
    }
};

FormulaLabel::FormulaLabel(const QString &markup, double point_size, QWidget *parent)
    : QWidget(parent), markup_(markup), formula_(new Formula{Parser(markup).formula(), {}, {}})
{
    if (point_size > 0) {
        QFont f = font();
        f.setPointSizeF(point_size);
        setFont(f);
    }
    setAttribute(Qt::WA_TranslucentBackground);
}

FormulaLabel::~FormulaLabel() = default;

QString FormulaLabel::plainText() const
{
    return plain(formula_->tree, 0);
}

QString formula_plain_text(const QString &markup)
{
    return plain(Parser(markup).formula(), 0);
}

QString formula_html(const QString &markup)
{
    // Scripts as HTML writes them; fractions and roots as on one line.
    const std::function<QString(const Node &)> html = [&](const Node &node) -> QString {
        QString out;
        switch (node.kind) {
        case Node::Text:
            return node.text.toHtmlEscaped();
        case Node::Subscript:
            return QStringLiteral("<sub>") + html(node.parts[0]) + QStringLiteral("</sub>");
        case Node::Superscript:
            return QStringLiteral("<sup>") + html(node.parts[0]) + QStringLiteral("</sup>");
        case Node::Fraction: {
            // Brackets where the plain text needs them.
            const auto part = [&](const Node &p) {
                const QString text = plain(p, 0);
                return term(text) == text ? html(p) : u'(' + html(p) + u')';
            };
            return part(node.parts[0]) + u'/' + part(node.parts[1]);
        }
        case Node::Root:
            return QStringLiteral("√(") + html(node.parts[0]) + u')';
        case Node::Row:
        case Node::Stack:
            for (const Node &part : node.parts)
                out += html(part);
            return out;
        }
        return out;
    };
    return html(Parser(markup).formula());
}

void FormulaLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

QSize FormulaLabel::sizeHint() const
{
    const Box &box = formula_->laid_out(font());
    return {static_cast<int>(std::ceil(box.width)) + 2,
            static_cast<int>(std::ceil(box.ascent + box.descent)) + 2};
}

void FormulaLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText),
        1.0));
    const Box &box = formula_->laid_out(font());
    // Plain lines sit where a label would put its text, so rows of captions share
    // a baseline; a line with fractions or roots is centred by its ink instead.
    const QFontMetricsF metrics(font());
    double baseline = (height() + metrics.ascent() - metrics.descent()) / 2.0;
    if (box.ascent > baseline || box.descent > height() - baseline)
        baseline = (height() - box.ascent - box.descent) / 2.0 + box.ascent;
    const double x = alignment_.testFlag(Qt::AlignRight) ? width() - box.width - 1.0 : 0.0;
    const QPointF origin(x, baseline);
    for (const Ink &ink : box.ink) {
        if (ink.text.isEmpty()) {
            painter.drawPath(ink.path.translated(origin));
        } else {
            painter.setFont(ink.font);
            painter.drawText(origin + ink.at, ink.text);
        }
    }
}

} // namespace ui
