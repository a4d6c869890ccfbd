// The calculators by the table in tests/data/mechanics/solvers.txt: what the
// student types and what the boxes show, the message, or a silent failure.
#include "mechanics/circular_motion.h"
#include "mechanics/linear_motion.h"
#include "mechanics/messages.h"
#include "mechanics/numbers.h"
#include "mechanics/satellite.h"
#include "mechanics/two_forces.h"
#include "mechanics/work_power.h"
#include "support/data.h"

#include <QTest>

using namespace mechanics;

namespace {

QString texts(std::initializer_list<double> values)
{
    QStringList written;
    for (double value : values)
        written << QString::fromStdString(number_text(value));
    return written.join(u' ');
}

QString solved(QStringList in)
{
    const QString calculator = in.takeFirst();
    const auto typed = [&in](int i) { return in[i].toStdString(); };
    if (calculator.startsWith(u"forces")) { // forces° for degrees
        const double a = in[2].toDouble();
        return texts({compose_two_forces(in[0].toDouble(), in[1].toDouble(),
                                         calculator.endsWith(u'°') ? degrees_to_radians(a) : a)});
    }
    if (calculator == u"circular") {
        const Centripetal c = centripetal(in[0] == u'v' ? GivenSpeed::Linear : GivenSpeed::Angular,
                                          in[1].toDouble(), in[2].toDouble(), in[3].toDouble());
        return texts({c.acceleration, c.force});
    }
    if (calculator == u"satellite") {
        const std::optional<Orbit> o = satellite_orbit(in[0].toDouble());
        return o ? texts({o->speed, o->period, o->angular_speed})
                 : QString::fromUtf8(INPUT_ERROR_MESSAGE);
    }
    if (calculator == u"work") {
        const WorkPower w = compute_work_power(
            {in[0].startsWith(u's') ? PowerMode::Average : PowerMode::Instantaneous, typed(1),
             typed(2), !in[0].endsWith(u'°'), typed(3), typed(4), typed(5)});
        return texts({w.work, w.power});
    }
    KnownSet known; // linear motion; _ where the box is not ticked
    for (int i = 0; i < 5; ++i)
        if (in[i] != u'_')
            known.add(static_cast<MotionQuantity>(i));
    const MotionOutcome result =
        solve_linear_motion(known, {typed(0), typed(1), typed(2), typed(3), in[4].toDouble()});
    if (const auto *message = std::get_if<MotionMessage>(&result))
        return QString::fromStdString(motion_message_text(*message));
    return texts(
        {std::get<MotionSolution>(result)[0].value, std::get<MotionSolution>(result)[1].value});
}

} // namespace

class SolversTest : public QObject {
    Q_OBJECT
private slots:
    void solve_data();
    void solve();
};

void SolversTest::solve_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("out");
    for (const QString &line : test::data_lines("mechanics/solvers.txt"))
        QTest::newRow(qPrintable(line.section(" | ", 0, 0)))
            << line.section(" | ", 0, 0)
            << line.section(" | ", 1).section("  # ", 0, 0).replace("\\r\\n", "\r\n");
}

void SolversTest::solve()
{
    QFETCH(QString, typed);
    QFETCH(QString, out);
    try {
        QCOMPARE(solved(typed.split(u' ')), out);
    } catch (const CalculationFailure &) {
        QCOMPARE(QStringLiteral("failure"), out);
    }
}

QTEST_APPLESS_MAIN(SolversTest)
#include "solvers_test.moc"
