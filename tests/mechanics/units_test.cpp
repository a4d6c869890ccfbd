// What a student types into a box of each quantity and what the solver gets, by the table in
// tests/data/mechanics/units.txt; a bare number is checked against the outside number data in
// numbers_test.
#include "mechanics/numbers.h"
#include "mechanics/units.h"
#include "support/data.h"

#include <QTest>

#include <charconv>

using namespace mechanics;

namespace {

const QStringList DIMENSIONS = {"length", "time",  "speed", "acceleration", "mass",
                                "force",  "power", "angle", "angular_speed"};
const QStringList FAILURES = {"NotANumber", "DivisionByZero", "NegativeRoot",
                              "OutOfRange", "UnknownUnit",    "WrongUnit"};

// The shortest decimal that reads back as the same double, so that a wrong last bit shows.
QString shortest(double value)
{
    char buffer[32];
    return QString::fromLatin1(buffer, std::to_chars(buffer, std::end(buffer), value).ptr - buffer);
}

} // namespace

class UnitsTest : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
};

void UnitsTest::read_data()
{
    QTest::addColumn<QString>("box"); // the quantity, "," after it for the decimal comma
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read");
    for (QString line : test::data_lines("mechanics/units.txt")) {
        line = line.section(QStringLiteral("  # "), 0, 0);
        const QString typed = line.section(QStringLiteral(" → "), 0, 0);
        QTest::newRow(qPrintable(typed)) << typed.section(u' ', 0, 0) << typed.section(u' ', 1)
                                         << line.section(QStringLiteral(" → "), 1);
    }
}

void UnitsTest::read()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, read);
    const auto dimension = static_cast<Dimension>(DIMENSIONS.indexOf(QString(box).remove(u',')));
    Reading r;
    try {
        r = read_quantity(typed.toStdString(), dimension, box.endsWith(u',') ? ',' : '.');
    } catch (const CalculationFailure &failure) {
        const QString detail = QString::fromStdString(failure.detail());
        QCOMPARE((FAILURES[int(failure.kind())] + u' ' + detail).trimmed(), read);
        return;
    }
    QString outcome = shortest(r.number);
    if (r.unit)
        outcome +=
            u' ' + QString::fromUtf8(r.unit->symbol) + QStringLiteral(" = ") + shortest(r.value);
    QCOMPARE(outcome, read);
    if (r.unit) {
        // The working writes "36 km/h = 10 m/s" and the result back in the unit typed.
        QCOMPARE(r.unit->si(), r.unit->symbol == si_unit(dimension));
        QCOMPARE(from_si(r.value, *r.unit), r.number);
    }
}

QTEST_APPLESS_MAIN(UnitsTest)
#include "units_test.moc"
