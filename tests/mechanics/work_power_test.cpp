// Work and power from the typed texts, checked against the texts a student sees.
#include "mechanics/numbers.h"
#include "mechanics/work_power.h"

#include <QTest>

using mechanics::PowerMode;

namespace {

// One row: mode (s: average, v: instantaneous), the unit, the boxes F, α, s, v
// and t, and the two result texts (none: the calculation fails).
void row(const char *name, char mode, bool radians, const QByteArrayList &boxes,
         const char *work = "", const char *power = "")
{
    QTest::newRow(name) << (mode == 's') << radians << boxes << QString(work) << QString(power);
}

} // namespace

class WorkPowerTest : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
};

void WorkPowerTest::results_data()
{
    QTest::addColumn<bool>("average");
    QTest::addColumn<bool>("radians");
    QTest::addColumn<QByteArrayList>("boxes");
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("power");

    row("average, 60 deg", 's', false, {"10", "60", "5", "", "2"}, "25", "12.5");
    // cos 90° with the fifteen-digit π is about 1.6E-15, not zero.
    row("90 deg leaves a trace", 's', false, {"10", "90", "5", "", "2"}, "8.07772287216293E-14",
        "4.03886143608147E-14");
    row("60 taken as radians", 's', true, {"10", "60", "5", "", "2"}, "-47.6206490207578",
        "-23.8103245103789");
    // The order of the operations shows in the fifteenth digit: degrees times π
    // before ÷180 (else ...283), s·F before the cosine (else ...062), and the
    // instantaneous P as W / t rather than F·v·cos α (else ...628).
    row("52 deg, π first", 's', false, {"10", "52", "5", "", "2"}, "30.7830737662829",
        "15.3915368831415");
    row("s times F first", 's', false, {"46.6", "50", "30.2", "", "30.44"}, "904.607858864061",
        "29.7177351795027");
    row("instantaneous P through W", 'v', false, {"93.336", "16", "", "32.3", "1.11"},
        "3216.7426921927", "2897.96638936279");
    row("the unused v is never read", 's', true, {"10", "0", "5", "abc", "2"}, "50", "25");
    row("the unused s is never read", 'v', true, {"10", "0", "abc", "3", "2"}, "60", "30");

    row("unit after s", 's', true, {"10", "0", "5m", "3", "2"});
    row("empty v", 'v', true, {"10", "0", "5", "", "2"});
    // W = 0·v·F·cos α = 0, and 0 / 0 fails although F·v·cos α exists.
    row("instantaneous, t = 0", 'v', true, {"10", "0", "5", "3", "0"});
    row("degree conversion overflows", 's', false, {"10", "1e308", "5", "3", "2"});
    row("t times v·F overflows", 'v', true, {"1e150", "0", "5", "1e150", "1e100"});
    row("W / t overflows", 's', true, {"1e150", "0", "1e150", "3", "1e-100"});
}

void WorkPowerTest::results()
{
    QFETCH(bool, average);
    QFETCH(bool, radians);
    QFETCH(QByteArrayList, boxes);
    QFETCH(QString, work);
    QFETCH(QString, power);
    const mechanics::WorkPowerInput input{
        .mode = average ? PowerMode::Average : PowerMode::Instantaneous,
        .force = boxes[0].constData(),
        .angle = boxes[1].constData(),
        .angle_in_radians = radians,
        .displacement = boxes[2].constData(),
        .speed = boxes[3].constData(),
        .time = boxes[4].constData(),
    };
    if (work.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure,
                                 mechanics::compute_work_power(input));
        return;
    }
    const mechanics::WorkPower result = mechanics::compute_work_power(input);
    QCOMPARE(QString::fromStdString(mechanics::number_text(result.work)), work);
    QCOMPARE(QString::fromStdString(mechanics::number_text(result.power)), power);
}

QTEST_APPLESS_MAIN(WorkPowerTest)
#include "work_power_test.moc"
