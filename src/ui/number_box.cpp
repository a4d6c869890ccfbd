#include "ui/number_box.h"

#include "mechanics/numbers.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetricsF>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {

namespace {

constexpr QChar ELLIPSIS = u'…';

// QLineEdit keeps its text this far from the contents' left and right edges.
constexpr int LINE_EDIT_MARGIN = 2;

// A face shrinks in half points down to three quarters of the page's 9 pt,
// which still shows each digit apart at 96 dpi.
constexpr qreal SHRINK_STEP = 0.5;
constexpr qreal SMALLEST_SCALE = 0.75;

// A shortened result showing fewer significant digits than this in the page's
// face is shown in a smaller one, where that shows more: "3…E+07" says little.
constexpr int READABLE_DIGITS = 4;

// The significant digits a shortened form shows before its mark.
int leading_digits(const QString &form)
{
    int digits = 0;
    for (const QChar c : form.section(ELLIPSIS, 0, 0).section(u'E', 0, 0)) {
        if (c.isDigit() && (digits > 0 || c != u'0'))
            ++digits;
    }
    return digits;
}

// No box holds this many characters; longer forms are not tried, so that a
// paste of a hundred thousand digits is still shown at once.
constexpr qsizetype LONGEST_FORM = 64;

// The power of ten of the leading digit, written as results write it. 64
// bits: a typed exponent is an int and the digits before it a qsizetype, so
// their sum, and its magnitude, always fit (long has 32 bits on Windows).
QString power_text(qint64 power)
{
    return (power < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
           QString::number(power < 0 ? -power : power).rightJustified(2, u'0');
}

// A number typed with its unit, "36 km/h" or "3.6×10^4 km": the number in the
// e-form a result is written in, and the unit with the blank before it, which
// stays whole in every shortened form.
struct WithUnit {
    QString number;
    QString unit;
};

std::optional<WithUnit> split_unit(const QString &text)
{
    static const QRegularExpression typed(QStringLiteral(
        R"(^\s*([+-]?[\d.,]+(?:[eE][+-]?\d+|\s*[×*xX]\s*10(?:\^[+-]?\d+|[⁺⁻]?[⁰¹²³⁴⁵⁶⁷⁸⁹]+))?))"
        R"((\s*[^\d\s.,+\-×*^eE]\S*)\s*$)"));
    const QRegularExpressionMatch parts = typed.match(text);
    if (!parts.hasMatch())
        return std::nullopt;
    static const QRegularExpression times(QStringLiteral(R"(\s*[×*xX]\s*10\^?)"));
    QString number = parts.captured(1).replace(times, QStringLiteral("E"));
    static const QString SUPERSCRIPTS = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹⁻⁺");
    static const QString PLAIN = QStringLiteral("0123456789-+");
    for (QChar &c : number) {
        if (const qsizetype i = SUPERSCRIPTS.indexOf(c); i >= 0)
            c = PLAIN[i];
    }
    return WithUnit{number, parts.captured(2)};
}

QStringList shortenings(const QString &text);

// The text as typed, then the number's own forms, each with the unit.
QStringList shortenings(const WithUnit &typed, const QString &text)
{
    QStringList forms{text.trimmed()};
    for (const QString &form : shortenings(typed.number))
        forms << form + typed.unit;
    return forms;
}

// Shortened forms, longest first.
QStringList shortenings(const QString &text)
{
    if (const std::optional<WithUnit> typed = split_unit(text))
        return shortenings(*typed, text);
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*([+-]?)(\d*)(?:([.,])(\d*))?([eE]([+-]?\d+))?\s*$)"));
    const QRegularExpressionMatch parts = number.match(text);
    const QString sign = parts.captured(1);
    const QString whole = parts.captured(2);
    const QString fraction = parts.captured(4);
    const QString exponent = parts.captured(5);
    const QString digits = whole + fraction;
    QStringList forms;
    if (parts.hasMatch() && !digits.isEmpty()) {
        const QString point =
            parts.hasCaptured(3) ? parts.captured(3) : QString(decimal_separator());
        qsizetype zeros = 0;
        while (zeros < digits.size() && digits[zeros] == u'0')
            ++zeros;
        if (text.size() <= LONGEST_FORM)
            forms << text.trimmed();

        // In place: the whole part stays, and a plain number keeps its first
        // significant digit after the point, so 12345.6 never shows as 12345… .
        if (whole.size() + exponent.size() < LONGEST_FORM) {
            const qsizetype least = std::max<qsizetype>(zeros - whole.size() + 1, 1);
            for (qsizetype kept = std::min(fraction.size() - 1, LONGEST_FORM); kept >= least;
                 --kept)
                forms << sign + whole + point + fraction.left(kept) + ELLIPSIS + exponent;
            if (!exponent.isEmpty() && !fraction.isEmpty())
                forms << sign + whole + ELLIPSIS + exponent;
        }

        // In powers of ten, from the first significant digit; not for a typed
        // exponent beyond any number.
        bool exponent_read = true;
        const int shift = exponent.isEmpty() ? 0 : parts.captured(6).toInt(&exponent_read);
        if (exponent_read && zeros < digits.size()) {
            const QString significant = digits.mid(zeros);
            const qint64 power = qint64{whole.size()} - 1 - zeros + shift;
            for (qsizetype kept = std::min(significant.size() - 1, LONGEST_FORM); kept >= 0;
                 --kept) {
                const QString after = kept > 0 ? point + significant.mid(1, kept) : QString();
                const QString omitted =
                    kept + 1 < significant.size() ? QString(ELLIPSIS) : QString();
                forms << sign + significant.front() + after + omitted + power_text(power);
            }
        }
    }
    // Anything else, and numbers too long to be shown in powers of ten: their start.
    if (forms.isEmpty()) {
        for (qsizetype kept = std::min(text.size() - 1, LONGEST_FORM); kept > 0; --kept)
            forms << text.left(kept) + ELLIPSIS;
    }
    return forms;
}

} // namespace

char decimal_separator()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

QString number_text(double value)
{
    return QString::fromStdString(mechanics::number_text(value, decimal_separator()));
}

void write_box(QLineEdit *box, double value)
{
    box->setText(number_text(value));
    box->setCursorPosition(0); // show the leading digits of a long result
}

QString shortened_number(const QString &text, const std::function<bool(const QString &)> &fits)
{
    if (fits(text))
        return text;
    const QStringList forms = shortenings(text);
    for (const QString &form : forms) {
        if (fits(form))
            return form;
    }
    return forms.isEmpty() ? text : forms.back();
}

NumberBox::NumberBox(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { update_tool_tip(); });
}

QString NumberBox::shown_text() const
{
    return display().text;
}

QRect NumberBox::line_rect() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    return contents.adjusted(LINE_EDIT_MARGIN, 0, -LINE_EDIT_MARGIN, 0);
}

bool NumberBox::fits(const QString &text, const QFont &font, int room) const
{
    // Like QLineEdit, leave a pixel for the cursor.
    return text.size() <= LONGEST_FORM &&
           std::ceil(QFontMetricsF(font, this).horizontalAdvance(text)) + 1 <= room;
}

NumberBox::Display NumberBox::display() const
{
    const int room = line_rect().width();
    if (hasFocus() || fits(text(), font(), room))
        return {text(), font()};
    // The faces tried, the page's own first, down to the smallest legible one;
    // a face sized in pixels (its point size is -1) shrinks a pixel at a time.
    const bool in_points = font().pointSizeF() > 0;
    const qreal full = in_points ? font().pointSizeF() : font().pixelSize();
    QList<QFont> faces{font()};
    for (qreal size = full - (in_points ? SHRINK_STEP : 1); size >= full * SMALLEST_SCALE;
         size -= in_points ? SHRINK_STEP : 1) {
        faces << font();
        in_points ? faces.last().setPointSizeF(size) : faces.last().setPixelSize(qRound(size));
    }
    // The whole text in a smaller face tells more than any shortened form.
    for (const QFont &face : faces) {
        if (fits(text().trimmed(), face, room))
            return {text().trimmed(), face};
    }
    // Else shortened: in the largest face that still shows enough leading
    // digits to read the value by, or the form that shows the most of them.
    Display best{shortened_number(text(), [](const QString &) { return false; }), faces.last()};
    int best_digits = -1;
    for (const QFont &face : faces) {
        const QString form = shortened_number(
            text(), [&](const QString &candidate) { return fits(candidate, face, room); });
        if (!fits(form, face, room))
            continue;
        if (const int digits = leading_digits(form); digits > best_digits) {
            best = {form, face};
            best_digits = digits;
        }
        if (best_digits >= READABLE_DIGITS)
            break;
    }
    return best;
}

void NumberBox::paintEvent(QPaintEvent *event)
{
    const Display shown = display();
    if (shown.text == text() && shown.font == font()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // The frame as QLineEdit draws it, then the shortened text where its text
    // would stand, centred the same way.
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    const QRect line = line_rect();
    painter.setClipRect(line.adjusted(-LINE_EDIT_MARGIN, 0, LINE_EDIT_MARGIN, 0));
    painter.setFont(shown.font);
    const QFontMetrics metrics(shown.font, this);
    const int top = line.y() + (line.height() - metrics.height() + 1) / 2;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(line.x(), top + metrics.ascent(), shown.text);
}

void NumberBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    update_tool_tip();
}

void NumberBox::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::ReadOnlyChange)
        update_tool_tip();
}

void NumberBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    menu->popup(event->globalPos());
}

void NumberBox::update_tool_tip()
{
    // A box the student types in says that units may be typed with the number.
    static const QString UNITS_HINT = QStringLiteral(
        "可以照题目写上单位，如 36 km/h、3.6×10^4 km、5 min、30°；不写单位时按国际单位制。");
    if (!fits(text(), font(), line_rect().width()))
        setToolTip(text());
    else
        setToolTip(isReadOnly() ? QString() : UNITS_HINT);
}

} // namespace ui
