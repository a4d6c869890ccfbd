// The number rules: what a box may hold, which double it means, and the text a
// result box shows. Besides our own tables, the outside data in data/numbers
// (see its README for sources and licences) checks both rules on about forty
// thousand hard cases.
#include "mechanics/numbers.h"

#include <QFile>
#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

using mechanics::CalculationFailure;
using mechanics::number_text;
using mechanics::read_number;

namespace {

double from_bits(const QByteArray &hex)
{
    return std::bit_cast<double>(hex.toULongLong(nullptr, 16));
}

QList<QByteArray> data_lines(const char *name)
{
    QFile file(QStringLiteral(VANTREL_TEST_DATA "/numbers/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    QList<QByteArray> lines = file.readAll().split('\n');
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The reject list writes inputs between quotes with C escapes.
QByteArray unescape(const QByteArray &quoted)
{
    static const QByteArray letters = "tnrvf", controls = "\t\n\r\v\f";
    QByteArray out;
    for (qsizetype i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] != '\\') {
            out.append(quoted[i]);
        } else if (quoted[++i] == 'x') {
            out.append(static_cast<char>(quoted.mid(i + 1, 2).toInt(nullptr, 16)));
            i += 2;
        } else {
            const qsizetype control = letters.indexOf(quoted[i]);
            out.append(control < 0 ? quoted[i] : controls[control]);
        }
    }
    return out;
}

std::string_view view(const QByteArray &text)
{
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

bool rejects(std::string_view text, char separator = '.')
{
    try {
        read_number(text, separator);
    } catch (const CalculationFailure &) {
        return true;
    }
    return false;
}

bool same_double(double a, double b)
{
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void result_text_data();
    void result_text();
    void outside_read_cases();
    void outside_reject_cases();
    void outside_write_cases();
    void round_trip_keeps_fifteen_digits();
    void checked_arithmetic_never_yields_infinity_or_nan();
};

void NumbersTest::reading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    // Forms the outside data leaves out; it holds blanks, signs, exponents, the
    // ends of the range and the forms to refuse.
    auto row = [](const char *name, const QByteArray &text, bool accepted, double value = 0,
                  char separator = '.') {
        QTest::newRow(name) << text << separator << accepted << value;
    };
    row("tab around", "\t7\t", true, 7);
    row("trailing point", "5.", true, 5);
    row("leading zeros", "007", true, 7);
    row("underflow to zero", "1e-400", true, 0);
    row("tiny with many zeros", "0." + QByteArray(400, '0') + "1e5", true, 0);
    row("huge exponent on zero", "0e999999999999999999", true, 0);
    row("many digits", "1." + QByteArray(100000, '0') + "1", true, 1);
    row("overflow with negative exponent", "1" + QByteArray(400, '0') + "e-5", false);
    row("comma", "1,5", true, 1.5, ',');
    row("leading comma", ",25", true, 0.25, ',');
    row("point where a comma is", "1.5", false, 0, ',');
}

void NumbersTest::reading()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    QCOMPARE(!rejects(view(text), separator), accepted);
    // Exact: QCOMPARE on doubles would forgive a wrong last bit.
    if (accepted)
        QVERIFY(same_double(read_number(view(text), separator), value));
}

void NumbersTest::result_text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("text");
    auto row = [](const char *name, double value, const char *text, char separator = '.') {
        QTest::newRow(name) << value << separator << text;
    };
    row("half", 0.5, "0.5");
    row("hundred", 100.0, "100");
    row("negative", -2.5, "-2.5");
    row("one third", 1.0 / 3, "0.333333333333333");
    row("two thirds", 2.0 / 3, "0.666666666666667");
    row("0.1 + 0.2", 0.1 + 0.2, "0.3");
    row("1e-4 plain", 0.0001, "0.0001");
    row("1e-5 scientific", 0.00001, "1E-05");
    row("fifteen digits", 123456789012345.0, "123456789012345");
    row("sixteen digits", 1234567890123456.0, "1.23456789012346E+15");
    row("carry to 1E+15", 999999999999999.9, "1E+15");
    row("1E100", 1e100, "1E+100");
    row("zero", 0.0, "0");
    row("negative zero shows 0", -0.0, "0");
    row("smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324");
    row("decimal comma", 2.5, "2,5", ',');
    row("decimal comma, scientific", 1.5e-7, "1,5E-07", ',');
}

void NumbersTest::result_text()
{
    QFETCH(double, value);
    QFETCH(char, separator);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(number_text(value, separator)), text);
}

void NumbersTest::outside_read_cases()
{
    int checked = 0;
    for (const char *name : {"read_number_cases.txt", "read_number_variants.txt"}) {
        for (const QByteArray &line : data_lines(name)) {
            const qsizetype tab = line.lastIndexOf('\t');
            const QByteArray input = line.left(tab);
            QVERIFY2(!rejects(view(input)) &&
                         same_double(read_number(view(input)), from_bits(line.mid(tab + 1))),
                     input.constData());
            ++checked;
        }
    }
    QVERIFY(checked > 22000);
}

void NumbersTest::outside_reject_cases()
{
    int checked = 0;
    for (const QByteArray &line : data_lines("read_number_reject.txt")) {
        if (line.startsWith('#'))
            continue;
        QVERIFY2(rejects(view(unescape(line))), line.constData());
        ++checked;
    }
    QVERIFY(checked > 300);
}

void NumbersTest::outside_write_cases()
{
    int checked = 0;
    for (const QByteArray &line : data_lines("write_number_cases.txt")) {
        const double value = from_bits(line.left(16));
        // We write negative zero as "0"; every other case is printf's own text.
        const QByteArray expected = value == 0 ? QByteArray("0") : line.mid(17);
        QCOMPARE(QByteArray::fromStdString(number_text(value)), expected);
        ++checked;
    }
    QVERIFY(checked > 20000);
}

void NumbersTest::round_trip_keeps_fifteen_digits()
{
    // Every written value reads back as the value rounded to 15 digits, so a
    // result can be typed in again (the linear-motion page relies on it).
    for (const QByteArray &line : data_lines("write_number_cases.txt")) {
        const double value = from_bits(line.left(16));
        if (!std::isfinite(value))
            continue;
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.14e", value);
        const double expected = std::strtod(rounded, nullptr);
        const std::string text = number_text(value);
        if (!std::isfinite(expected)) {
            // Near the largest double the 15-digit text itself is out of range.
            QVERIFY(rejects(text));
            continue;
        }
        QVERIFY2(read_number(text) == expected, text.c_str());
    }
}

void NumbersTest::checked_arithmetic_never_yields_infinity_or_nan()
{
    using namespace mechanics;
    const double big = std::numeric_limits<double>::max();
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, divide(1, 0));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, divide(0, 0));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, divide(1, -0.0));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, square_root(-1e-300));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, mul(big, 2));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, add(big, big));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, sub(-big, big));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, square(1e200));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, divide(big, 1e-10));
    QCOMPARE(square_root(0.0), 0.0);
    QCOMPARE(divide(1, 4), 0.25);
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "numbers_test.moc"
