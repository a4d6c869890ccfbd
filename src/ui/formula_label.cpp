#include "ui/formula_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace ui {

namespace {

// Scripts are drawn at 70% of the surrounding size, as in printed textbooks.
constexpr double SCRIPT_SCALE = 0.7;
// Space between a fraction bar and its numerator or denominator, in pixels.
constexpr double FRACTION_GAP = 1.5;
// Space between the root bar and the top of the radicand, in pixels.
constexpr double ROOT_GAP = 1.5;

// A laid-out piece of a formula: its extent around the baseline and how to draw
// itself with its origin on the baseline at the left edge.
struct Box {
    double width = 0;
    double ascent = 0;
    double descent = 0;
    std::function<void(QPainter &, QPointF)> paint;
};

QFont scaled(const QFont &font, double factor)
{
    QFont result = font;
    result.setPointSizeF(font.pointSizeF() * factor);
    return result;
}

// Math axis: the height of a fraction bar above the baseline.
double axis_height(const QFont &font)
{
    return QFontMetricsF(font).xHeight() * 0.5;
}

Box text_box(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    // Ink extent rather than the font's line height: CJK fonts reserve a lot of
    // room above and below, which would push fractions far apart.
    const QRectF ink = metrics.tightBoundingRect(text);
    Box box;
    box.width = metrics.horizontalAdvance(text);
    box.ascent = std::max(0.0, -ink.top());
    box.descent = std::max(0.0, ink.bottom());
    box.paint = [text, font](QPainter &painter, QPointF origin) {
        painter.setFont(font);
        painter.drawText(origin, text);
    };
    return box;
}

Box row_box(std::vector<Box> items)
{
    Box row;
    for (const Box &item : items) {
        row.width += item.width;
        row.ascent = std::max(row.ascent, item.ascent);
        row.descent = std::max(row.descent, item.descent);
    }
    row.paint = [items = std::move(items)](QPainter &painter, QPointF origin) {
        for (const Box &item : items) {
            item.paint(painter, origin);
            origin.rx() += item.width;
        }
    };
    return row;
}

Box shifted(Box inner, double rise)
{
    Box box;
    box.width = inner.width;
    box.ascent = std::max(0.0, inner.ascent + rise);
    box.descent = std::max(0.0, inner.descent - rise);
    box.paint = [inner = std::move(inner), rise](QPainter &painter, QPointF origin) {
        inner.paint(painter, origin - QPointF(0, rise));
    };
    return box;
}

Box stacked(Box lower, Box upper)
{
    Box box;
    box.width = std::max(lower.width, upper.width);
    box.ascent = std::max(lower.ascent, upper.ascent);
    box.descent = std::max(lower.descent, upper.descent);
    box.paint = [lower = std::move(lower), upper = std::move(upper)](QPainter &painter,
                                                                     QPointF origin) {
        lower.paint(painter, origin);
        upper.paint(painter, origin);
    };
    return box;
}

Box fraction_box(Box numerator, Box denominator, const QFont &font)
{
    const double axis = axis_height(font);
    const double pad = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 0.3;
    Box box;
    box.width = std::max(numerator.width, denominator.width) + 2 * pad;
    box.ascent = axis + FRACTION_GAP + numerator.descent + numerator.ascent;
    box.descent = std::max(0.0, FRACTION_GAP + denominator.ascent + denominator.descent - axis);
    const double width = box.width;
    box.paint = [numerator = std::move(numerator), denominator = std::move(denominator), axis,
                 width](QPainter &painter, QPointF origin) {
        const double bar = origin.y() - axis;
        painter.drawLine(QPointF(origin.x() + 0.5, bar), QPointF(origin.x() + width - 0.5, bar));
        numerator.paint(painter, QPointF(origin.x() + (width - numerator.width) / 2,
                                         bar - FRACTION_GAP - numerator.descent));
        denominator.paint(painter, QPointF(origin.x() + (width - denominator.width) / 2,
                                           bar + FRACTION_GAP + denominator.ascent));
    };
    return box;
}

Box root_box(Box radicand, const QFont &font)
{
    const QFontMetricsF metrics(font);
    const double sign_width = metrics.horizontalAdvance(QLatin1Char('v')) * 0.9;
    const double top = std::max(radicand.ascent, metrics.capHeight()) + ROOT_GAP;
    Box box;
    box.width = sign_width + radicand.width + 1;
    box.ascent = top + 1;
    box.descent = std::max(radicand.descent, 1.0);
    const double descent = box.descent;
    box.paint = [radicand = std::move(radicand), sign_width, top, descent](QPainter &painter,
                                                                           QPointF origin) {
        const double x = origin.x();
        const double y = origin.y();
        QPainterPath sign;
        sign.moveTo(x, y - top * 0.45);
        sign.lineTo(x + sign_width * 0.25, y - top * 0.55);
        sign.lineTo(x + sign_width * 0.5, y + descent - 0.5);
        sign.lineTo(x + sign_width, y - top);
        sign.lineTo(x + sign_width + radicand.width + 1, y - top);
        painter.save();
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(sign);
        painter.restore();
        radicand.paint(painter, QPointF(x + sign_width, y));
    };
    return box;
}

// Reads markup and lays it out in one pass.
class Layout {
public:
    explicit Layout(const QString &markup) : text_(markup) {}

    Box row(const QFont &font)
    {
        std::vector<Box> items;
        QString run;
        int last_script = 0; // +1 superscript, -1 subscript, 0 other
        auto flush = [&] {
            if (!run.isEmpty())
                items.push_back(text_box(run, font));
            run.clear();
        };
        while (pos_ < text_.size() && text_[pos_] != u'}') {
            const QChar c = text_[pos_];
            if (c == u'_' || c == u'^') {
                flush();
                ++pos_;
                const int kind = c == u'^' ? 1 : -1;
                const QFont small = scaled(font, SCRIPT_SCALE);
                const QFontMetricsF metrics(font);
                const double rise = kind > 0 ? metrics.xHeight() * 0.8 : -metrics.xHeight() * 0.45;
                Box script = shifted(group(small), rise);
                if (last_script == -kind && !items.empty()) {
                    Box previous = std::move(items.back());
                    items.back() = stacked(std::move(previous), std::move(script));
                    last_script = 0;
                } else {
                    items.push_back(std::move(script));
                    last_script = kind;
                }
                continue;
            }
            last_script = 0;
            if (c == u'\\') {
                flush();
                items.push_back(command(font));
            } else if (c == u'{') {
                flush();
                items.push_back(group(font));
            } else {
                run.append(c);
                ++pos_;
            }
        }
        flush();
        return row_box(std::move(items));
    }

private:
    // One braced group, or a single character.
    Box group(const QFont &font)
    {
        if (pos_ >= text_.size())
            return {};
        if (text_[pos_] != u'{')
            return text_box(QString(text_[pos_++]), font);
        ++pos_;
        Box inner = row(font);
        if (pos_ < text_.size())
            ++pos_; // the closing brace
        return inner;
    }

    Box command(const QFont &font)
    {
        ++pos_;
        if (text_.mid(pos_, 4) == QLatin1String("frac")) {
            pos_ += 4;
            Box numerator = group(font);
            Box denominator = group(font);
            return fraction_box(std::move(numerator), std::move(denominator), font);
        }
        if (text_.mid(pos_, 4) == QLatin1String("sqrt")) {
            pos_ += 4;
            return root_box(group(font), font);
        }
        return text_box(QStringLiteral("\\"), font);
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
    if (!superscript) {
        static const QString letters = QStringLiteral("aehklmnopstx");
        static const QString lowered = QStringLiteral("ₐₑₕₖₗₘₙₒₚₛₜₓ");
        const auto i = letters.indexOf(c);
        if (i >= 0)
            return lowered.at(i);
    }
    return c;
}

// Readable text of markup from `pos` to the end of its group.
QString plain(const QString &m, qsizetype &pos, int script);

QString plain_group(const QString &m, qsizetype &pos, int script)
{
    if (pos >= m.size())
        return {};
    if (m[pos] != u'{') {
        const QChar c = m[pos++];
        return script == 0 ? QString(c) : QString(script_char(c, script > 0));
    }
    ++pos;
    QString inner = plain(m, pos, script);
    if (pos < m.size())
        ++pos;
    return inner;
}

QString plain(const QString &m, qsizetype &pos, int script)
{
    QString out;
    while (pos < m.size() && m[pos] != u'}') {
        const QChar c = m[pos];
        if (c == u'_' || c == u'^') {
            ++pos;
            out += plain_group(m, pos, c == u'^' ? 1 : -1);
        } else if (c == u'\\' && m.mid(pos + 1, 4) == QLatin1String("frac")) {
            pos += 5;
            const QString num = plain_group(m, pos, script);
            const QString den = plain_group(m, pos, script);
            out += num + u'/' + den;
        } else if (c == u'\\' && m.mid(pos + 1, 4) == QLatin1String("sqrt")) {
            pos += 5;
            out += QStringLiteral("√(") + plain_group(m, pos, script) + u')';
        } else if (c == u'{') {
            out += plain_group(m, pos, script);
        } else {
            out += script == 0 ? QString(c) : QString(script_char(c, script > 0));
            ++pos;
        }
    }
    return out;
}

} // namespace

FormulaLabel::FormulaLabel(const QString &markup, double point_size, QWidget *parent)
    : QWidget(parent), markup_(markup)
{
    if (point_size > 0) {
        QFont f = font();
        f.setPointSizeF(point_size);
        setFont(f);
    }
    setAttribute(Qt::WA_TranslucentBackground);
}

QString FormulaLabel::plainText() const
{
    return plain_text(markup_);
}

QString FormulaLabel::plain_text(const QString &markup)
{
    qsizetype pos = 0;
    QString out;
    while (pos < markup.size()) {
        out += plain(markup, pos, 0);
        if (pos < markup.size())
            ++pos; // a stray closing brace
    }
    return out;
}

void FormulaLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

QSize FormulaLabel::sizeHint() const
{
    const Box box = Layout(markup_).row(font());
    return {static_cast<int>(std::ceil(box.width)) + 2,
            static_cast<int>(std::ceil(box.ascent + box.descent)) + 2};
}

void FormulaLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPen pen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText),
        1.0);
    painter.setPen(pen);
    const Box box = Layout(markup_).row(font());
    // Plain lines sit where a label would put its text, so rows of captions share
    // a baseline; a line with fractions or roots is centred by its ink instead.
    const QFontMetricsF metrics(font());
    double baseline = (height() + metrics.ascent() - metrics.descent()) / 2.0;
    if (box.ascent > baseline || box.descent > height() - baseline)
        baseline = (height() - box.ascent - box.descent) / 2.0 + box.ascent;
    const double x = alignment_.testFlag(Qt::AlignRight) ? width() - box.width - 1.0 : 0.0;
    box.paint(painter, QPointF(x, baseline));
}

} // namespace ui
