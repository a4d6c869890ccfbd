// The number rules: what a box may hold, which double it means, and the text a
// result box shows. Besides our own tables, the outside data in data/numbers
// (see its README for sources and licences) checks both rules on about forty
// thousand hard cases.
#include "mechanics/numbers.h"

#include <QFile>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using mechanics::CalculationFailure;
using mechanics::number_text;
using mechanics::read_number;

namespace {

double from_bits(const QByteArray &hex)
{
    bool ok = false;
    const quint64 bits = hex.toULongLong(&ok, 16);
    Q_ASSERT(ok);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
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
    QByteArray out;
    for (qsizetype i = 1; i + 1 < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c != '\\') {
            out.append(c);
            continue;
        }
        const char e = quoted[++i];
        switch (e) {
        case 't':
            out.append('\t');
            break;
        case 'n':
            out.append('\n');
            break;
        case 'r':
            out.append('\r');
            break;
        case 'v':
            out.append('\v');
            break;
        case 'f':
            out.append('\f');
            break;
        case 'x':
            out.append(static_cast<char>(quoted.mid(i + 1, 2).toInt(nullptr, 16)));
            i += 2;
            break;
        default:
            out.append(e);
            break;
        }
    }
    return out;
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
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void accepted_forms_data();
    void accepted_forms();
    void rejected_forms_data();
    void rejected_forms();
    void result_text_data();
    void result_text();
    void outside_read_cases();
    void outside_reject_cases();
    void outside_write_cases();
    void round_trip_keeps_fifteen_digits();
    void comma_separator();
    void checked_arithmetic_never_yields_infinity_or_nan();
    void degrees_use_the_fifteen_digit_pi();
};

void NumbersTest::accepted_forms_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("blanks around") << QByteArray("  12.5  ") << 12.5;
    QTest::newRow("tab around") << QByteArray("\t7\t") << 7.0;
    QTest::newRow("negative") << QByteArray("-0.5") << -0.5;
    QTest::newRow("plus sign") << QByteArray("+3") << 3.0;
    QTest::newRow("leading point") << QByteArray(".5") << 0.5;
    QTest::newRow("trailing point") << QByteArray("5.") << 5.0;
    QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
    QTest::newRow("signed exponent") << QByteArray("2.5E-3") << 0.0025;
    QTest::newRow("exponent plus") << QByteArray("2E+2") << 200.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("smallest subnormal")
        << QByteArray("4.9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("underflow to zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("tiny with many zeros")
        << (QByteArray("0.") + QByteArray(400, '0') + "1e5") << 0.0;
    QTest::newRow("huge exponent on zero") << QByteArray("0e999999999999999999") << 0.0;
    QTest::newRow("many digits") << (QByteArray("1.") + QByteArray(100000, '0') + "1") << 1.0;
}

void NumbersTest::accepted_forms()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    // Exact: QCOMPARE on doubles would forgive a wrong last bit.
    QVERIFY(same_double(read_number(std::string_view(text.constData(), text.size())), value));
}

void NumbersTest::rejected_forms_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blanks only") << QByteArray("   ");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("unit after number") << QByteArray("3m");
    QTest::newRow("two separators") << QByteArray("1.2.3");
    QTest::newRow("lone point") << QByteArray(".");
    QTest::newRow("lone sign") << QByteArray("-");
    QTest::newRow("exponent without digits") << QByteArray("1e");
    QTest::newRow("exponent without mantissa") << QByteArray("e5");
    QTest::newRow("blank inside") << QByteArray("1 000");
    QTest::newRow("doubled sign") << QByteArray("--1");
    QTest::newRow("overflow") << QByteArray("1e400");
    QTest::newRow("negative overflow") << QByteArray("-1e309");
    QTest::newRow("overflow with negative exponent")
        << (QByteArray("1") + QByteArray(400, '0') + "e-5");
    QTest::newRow("overflow with giant exponent") << QByteArray("1e99999999999999999999");
    QTest::newRow("infinity") << QByteArray("inf");
    QTest::newRow("nan") << QByteArray("NaN");
    QTest::newRow("hexadecimal") << QByteArray("0x10");
    QTest::newRow("comma as separator") << QByteArray("1,5");
    QTest::newRow("full-width digit") << QByteArray("\xEF\xBC\x91");
}

void NumbersTest::rejected_forms()
{
    QFETCH(QByteArray, text);
    QVERIFY(rejects(std::string_view(text.constData(), text.size())));
}

void NumbersTest::result_text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("hundred") << 100.0 << "100";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("one third") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("1e-4 plain") << 0.0001 << "0.0001";
    QTest::newRow("1e-5 scientific") << 0.00001 << "1E-05";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("sixteen digits") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("carry to 1E+15") << 999999999999999.9 << "1E+15";
    QTest::newRow("1E100") << 1e100 << "1E+100";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero shows 0") << -0.0 << "0";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
}

void NumbersTest::result_text()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(number_text(value)), text);
}

void NumbersTest::outside_read_cases()
{
    int checked = 0;
    for (const char *name : {"read_number_cases.txt", "read_number_variants.txt"}) {
        for (const QByteArray &line : data_lines(name)) {
            const qsizetype tab = line.lastIndexOf('\t');
            const QByteArray input = line.left(tab);
            const double expected = from_bits(line.mid(tab + 1));
            double got = 0;
            try {
                got = read_number(std::string_view(input.constData(), input.size()));
            } catch (const CalculationFailure &) {
                QFAIL(qPrintable(QStringLiteral("rejected %1").arg(QLatin1String(input))));
            }
            if (!same_double(got, expected))
                QFAIL(qPrintable(QStringLiteral("wrong value for %1").arg(QLatin1String(input))));
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
        const QByteArray input = unescape(line);
        if (!rejects(std::string_view(input.constData(), input.size())))
            QFAIL(qPrintable(QStringLiteral("accepted %1").arg(QLatin1String(line))));
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

void NumbersTest::comma_separator()
{
    QCOMPARE(read_number("1,5", ','), 1.5);
    QCOMPARE(read_number(",25", ','), 0.25);
    QVERIFY(rejects("1.5", ','));
    QCOMPARE(number_text(2.5, ','), std::string("2,5"));
    QCOMPARE(number_text(1.5e-7, ','), std::string("1,5E-07"));
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

void NumbersTest::degrees_use_the_fifteen_digit_pi()
{
    QCOMPARE(mechanics::degrees_to_radians(180), 3.14159265358979);
    QVERIFY(mechanics::degrees_to_radians(180) != M_PI);
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "numbers_test.moc"
