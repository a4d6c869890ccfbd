// The resultant of two forces, checked against the texts a student sees.
#include "mechanics/numbers.h"
#include "mechanics/two_forces.h"

#include <QTest>

using mechanics::compose_two_forces;
using mechanics::degrees_to_radians;

class TwoForcesTest : public QObject {
    Q_OBJECT
private slots:
    void resultant_text_data();
    void resultant_text();
    void failures();
};

void TwoForcesTest::resultant_text_data()
{
    QTest::addColumn<double>("f1");
    QTest::addColumn<double>("f2");
    QTest::addColumn<double>("angle");
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<QString>("text");
    // cos 90° with the fifteen-digit π is about 1.6E-15; the text rounds it away.
    QTest::newRow("3, 4 at 90 degrees") << 3.0 << 4.0 << 90.0 << true << "5";
    QTest::newRow("5, 5 at 120 degrees") << 5.0 << 5.0 << 120.0 << true << "5.00000000000001";
    QTest::newRow("1, 1 at 180 degrees") << 1.0 << 1.0 << 180.0 << true << "0";
    QTest::newRow("3, 4 at pi radians") << 3.0 << 4.0 << 3.14159265358979 << false << "1";
    QTest::newRow("zero degrees adds") << 3.0 << 4.0 << 0.0 << true << "7";
    QTest::newRow("zero radians adds") << 3.0 << 4.0 << 0.0 << false << "7";
    QTest::newRow("negative force as typed") << -3.0 << 4.0 << 0.0 << false << "1";
    QTest::newRow("90 taken as radians") << 3.0 << 4.0 << 90.0 << false << "3.77441826152056";
}

void TwoForcesTest::resultant_text()
{
    QFETCH(double, f1);
    QFETCH(double, f2);
    QFETCH(double, angle);
    QFETCH(bool, degrees);
    QFETCH(QString, text);
    const double alpha = degrees ? degrees_to_radians(angle) : angle;
    QCOMPARE(QString::fromStdString(mechanics::number_text(compose_two_forces(f1, f2, alpha))),
             text);
}

void TwoForcesTest::failures()
{
    // Squares beyond the double range fail instead of writing inf.
    QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure, compose_two_forces(1e200, 1, 0));
    // 1 N and 1 N plus an ulp, opposed: the rounded radicand must not become NaN.
    const double alpha = 3.14159265358979 * 1.0000000000000002;
    QVERIFY(compose_two_forces(1, 1.0000000000000002, alpha) >= 0);
}

QTEST_APPLESS_MAIN(TwoForcesTest)
#include "two_forces_test.moc"
