// What a box may hold, with or without a unit, and the text a result box shows. The outside data
// (data/numbers, see its README) checks both rules on forty thousand hard cases; the table adds
// what it leaves out.
#include "mechanics/numbers.h"
#include "mechanics/units.h"
#include "mechanics/working.h"
#include "support/data.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <bit>
#include <cmath>
#include <optional>

using namespace mechanics;

namespace {

// The double read, or NaN where the text is rejected. A box of any quantity must read a bare
// number the same, bit for bit, and fail the same way, unless it reads a unit or a power of ten
// now: where it does not, the double read is an infinity.
double read(const QByteArray &text, char separator = '.')
{
    const std::string_view typed(text.constData(), std::size_t(text.size()));
    std::optional<Failure> failure;
    double value = NAN;
    try {
        value = read_number(typed, separator);
    } catch (const CalculationFailure &f) {
        failure = f.kind();
    }
    for (int d = 0; d <= int(Dimension::AngularSpeed); ++d) {
        bool same = false;
        try {
            const Reading r = read_quantity(typed, Dimension(d), separator);
            same = failure ? r.unit || text.contains("10^")
                           : !r.unit &&
                                 std::bit_cast<quint64>(r.value) == std::bit_cast<quint64>(value);
        } catch (const CalculationFailure &f) {
            same = failure && (f.kind() == *failure || f.kind() >= Failure::UnknownUnit);
        }
        if (!same)
            return INFINITY;
    }
    return value;
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void typed_and_written_data();
    void typed_and_written();
    void outside_cases();
    void checked_arithmetic_fails();
    void significant_figures_data();
    void significant_figures();
};

void NumbersTest::typed_and_written_data()
{
    QTest::addColumn<double>("value"); // NaN: rejected; a comma in the name is the separator
    QTest::addColumn<QString>("written");
    QTest::newRow("\t-.5\t") << -0.5 << "-0.5";
    QTest::newRow("+5.") << 5.0 << "5";
    QTest::newRow("-0") << -0.0 << "0";    // a student should never see "-0"
    QTest::newRow("1e-400") << 0.0 << "0"; // too small for a double: zero, not a failure
    QTest::newRow("1,5E-7") << 1.5e-7 << "1,5E-07";
    QTest::newRow("-,25") << -0.25 << "-0,25";
    QTest::newRow("1.5,") << qQNaN() << "";
}

void NumbersTest::typed_and_written()
{
    QFETCH(double, value);
    QFETCH(QString, written);
    const QByteArray text = QTest::currentDataTag();
    const char separator = text.contains(',') ? ',' : '.';
    // Bit for bit: QCOMPARE on doubles would forgive a wrong last bit.
    QCOMPARE(std::bit_cast<quint64>(read(text, separator)), std::bit_cast<quint64>(value));
    if (!written.isEmpty())
        QCOMPARE(QString::fromStdString(number_text(value, separator)), written);
}

void NumbersTest::outside_cases()
{
    for (const char *name : {"read_number_cases.txt", "read_number_variants.txt"}) {
        for (const QString &text : test::data_lines(QStringLiteral("numbers/") + name)) {
            const QByteArray line = text.toLatin1(); // the files are ASCII
            const qsizetype tab = line.lastIndexOf('\t');
            // A failing case names its file and row.
            QVERIFY2(std::bit_cast<quint64>(read(line.left(tab))) ==
                         line.mid(tab + 1).toULongLong(nullptr, 16),
                     QByteArray(name + (": " + line)).constData());
        }
    }
    for (const QString &text : test::data_lines("numbers/read_number_reject.txt")) {
        QByteArray line = text.toLatin1();
        // C strings in ASCII: as JSON with \u00HH for \xHH, Latin-1 gives back the bytes.
        line.replace("\\x", "\\u00").replace("\\v", "\\u000b");
        const QJsonArray parsed = QJsonDocument::fromJson('[' + line + ']').array();
        QVERIFY2(parsed.size() == 1 && std::isnan(read(parsed[0].toString().toLatin1())), line);
    }
    for (const QString &text : test::data_lines("numbers/write_number_cases.txt")) {
        const QByteArray line = text.toLatin1();
        const double value = std::bit_cast<double>(line.left(16).toULongLong(nullptr, 16));
        // printf's own text, except that negative zero is written "0".
        QVERIFY2(QByteArray::fromStdString(number_text(value)) == (value == 0 ? "0" : line.mid(17)),
                 line.constData());
    }
}

void NumbersTest::checked_arithmetic_fails()
{
    // No infinity and no NaN may ever reach a box.
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, divide(0, -0.0));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, square_root(-1e-300));
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, Number(1e308) * 10);
    QVERIFY_THROWS_EXCEPTION(CalculationFailure, checked(NAN));
}

void NumbersTest::significant_figures_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("figures");
    QTest::addColumn<QString>("written");
    for (const QString &line : test::data_lines("mechanics/figures.txt"))
        QTest::newRow(qPrintable(line))
            << line.section(u' ', 0, 0) << line.section(u' ', 1, 1).toInt()
            << line.section(u' ', 2);
}

void NumbersTest::significant_figures()
{
    QFETCH(QString, box);
    QFETCH(int, figures);
    QFETCH(QString, written);
    const mechanics::FiguresText text = mechanics::round_figures(box.toStdString(), figures);
    QCOMPARE((text.rounded ? "≈" : "") + QString::fromStdString(text.markup), written);
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "numbers_test.moc"
