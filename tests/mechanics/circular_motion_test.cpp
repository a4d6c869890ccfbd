// Centripetal acceleration and force from v or ω, R and m.
#include "mechanics/circular_motion.h"
#include "mechanics/numbers.h"

#include <QTest>

using mechanics::GivenSpeed;

class CircularMotionTest : public QObject {
    Q_OBJECT
private slots:
    void centripetal_data();
    void centripetal();
};

void CircularMotionTest::centripetal_data()
{
    QTest::addColumn<bool>("v_given");
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("mass");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("f");
    // An empty result means the calculation fails.
    QTest::newRow("v = 2, R = 4, m = 3") << true << 2.0 << 4.0 << 3.0 << "1"
                                         << "3";
    QTest::newRow("v = -2 squares to the same") << true << -2.0 << 4.0 << 3.0 << "1"
                                                << "3";
    QTest::newRow("v: thirds") << true << 1.0 << 3.0 << 2.0 << "0.333333333333333"
                               << "0.666666666666667";
    QTest::newRow("v, R = 0") << true << 2.0 << 0.0 << 3.0 << ""
                              << "";
    QTest::newRow("v = 0, R = 0") << true << 0.0 << 0.0 << 3.0 << ""
                                  << "";
    QTest::newRow("v: negative R and m") << true << 2.0 << -4.0 << -3.0 << "-1"
                                         << "3";
    QTest::newRow("v: square overflows") << true << 1e200 << 1.0 << 1.0 << ""
                                         << "";
    QTest::newRow("ω = 2, R = 0.5, m = 2") << false << 2.0 << 0.5 << 2.0 << "2"
                                           << "4";
    QTest::newRow("ω, R = 0 divides nothing") << false << 2.0 << 0.0 << 2.0 << "0"
                                              << "0";
    QTest::newRow("ω: negative R") << false << 3.0 << -1.0 << 2.0 << "-9"
                                   << "-18";
    QTest::newRow("ω: force overflows") << false << 1e150 << 1.0 << 1e100 << ""
                                        << "";
}

void CircularMotionTest::centripetal()
{
    QFETCH(bool, v_given);
    QFETCH(double, speed);
    QFETCH(double, radius);
    QFETCH(double, mass);
    QFETCH(QString, a);
    QFETCH(QString, f);
    const GivenSpeed given = v_given ? GivenSpeed::Linear : GivenSpeed::Angular;
    if (a.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure,
                                 mechanics::centripetal(given, speed, radius, mass));
        return;
    }
    const mechanics::Centripetal result = mechanics::centripetal(given, speed, radius, mass);
    QCOMPARE(QString::fromStdString(mechanics::number_text(result.acceleration)), a);
    QCOMPARE(QString::fromStdString(mechanics::number_text(result.force)), f);
}

QTEST_APPLESS_MAIN(CircularMotionTest)
#include "circular_motion_test.moc"
