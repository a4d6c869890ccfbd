// The orbit of a satellite at height h: speed, period and angular speed to
// fifteen digits, with the Earth's mass of the textbooks, 5.98E+24 kg.
#include "mechanics/numbers.h"
#include "mechanics/satellite.h"

#include <QTest>

#include <limits>

class SatelliteTest : public QObject {
    Q_OBJECT
private slots:
    void orbit_data();
    void orbit();
    void below_the_ground();
    void overflow_fails();
};

void SatelliteTest::orbit_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("v");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("omega");
    QTest::newRow("on the ground: first cosmic velocity") << 0.0 << "7913.04786606351"
                                                          << "5057.96136762718"
                                                          << "0.00124223671366774";
    QTest::newRow("negative zero passes") << -0.0 << "7913.04786606351"
                                          << "5057.96136762718"
                                          << "0.00124223671366774";
    QTest::newRow("1000 km") << 1000000.0 << "7356.64441823421"
                             << "6294.59208319715"
                             << "0.000998187845079268";
    QTest::newRow("36000 km") << 36000000.0 << "3068.20431909066"
                              << "86766.8948279493"
                              << "7.24145461196757E-05";
}

void SatelliteTest::orbit()
{
    QFETCH(double, height);
    QFETCH(QString, v);
    QFETCH(QString, period);
    QFETCH(QString, omega);
    const std::optional<mechanics::Orbit> orbit = mechanics::satellite_orbit(height);
    QVERIFY(orbit);
    QCOMPARE(QString::fromStdString(mechanics::number_text(orbit->speed)), v);
    QCOMPARE(QString::fromStdString(mechanics::number_text(orbit->period)), period);
    QCOMPARE(QString::fromStdString(mechanics::number_text(orbit->angular_speed)), omega);
}

void SatelliteTest::below_the_ground()
{
    for (double height : {-1.0, -1e-300, -7e6, -std::numeric_limits<double>::max()})
        QVERIFY(!mechanics::satellite_orbit(height));
}

void SatelliteTest::overflow_fails()
{
    // r·2π passes the double range long before v reaches zero.
    QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure, mechanics::satellite_orbit(1e300));
    QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure,
                             mechanics::satellite_orbit(std::numeric_limits<double>::max()));
}

QTEST_APPLESS_MAIN(SatelliteTest)
#include "satellite_test.moc"
