// The calculators in one table: the calculator and what the student types, then what the boxes
// show, the message, or "failure" where the click ends silently. Fifteen-digit rows pin the order
// of the operations, which decides the last digit.
#include "mechanics/circular_motion.h"
#include "mechanics/linear_motion.h"
#include "mechanics/messages.h"
#include "mechanics/numbers.h"
#include "mechanics/satellite.h"
#include "mechanics/two_forces.h"
#include "mechanics/work_power.h"

#include <QTest>

using namespace mechanics;

namespace {

const char *const BACKWARDS = "计算错误！\r\n请重新输入。";

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
    QTest::addColumn<QString>("out");
    auto row = [](const char *typed, const char *out) { QTest::newRow(typed) << QString(out); };
    // F1, F2, α.
    row("forces° -3 4 0", "1");
    row("forces 3 4 90", "3.77441826152056");
    row("forces° 16 18 95", "23.0173476355845"); // (F1² + F2²) + 2F1F2·cos α, else ...846
    // v0, vt, a, S, t. Where a guard comes first, letters elsewhere are not read.
    row("linear 10 0 2 _ _",
        "输入错误！\r\n注意：请用正负号表示加速度a的方向。当匀加速运动（即加速度与速"
        "度同向）时,a为正；当匀减速运动（即加速度与速度反向）时,a为负。");
    row("linear 5 5 2 _ _", "0 0");
    row("linear 0 10 _ 25 _", "2 5");
    row("linear abc 10 _ -0 _", "输入错误！\r\n注意：位移不能为零。");
    row("linear 0 10 _ -25 _", BACKWARDS);
    row("linear 0 10 _ _ 5", "25 2");
    row("linear x 10 _ _ 0", "输入错误！\r\n注意：时间必须大于零。");
    row("linear 1 _ 3 1 _", "2.64575131106459 0.548583770354864");
    row("linear 10 _ 2 -16 _", BACKWARDS);
    row("linear 0 _ 2 _ 5", "10 25");
    row("linear 3 _ 2 _ 0", "3 0");
    row("linear 0.1 _ _ 3.3 2.9", "2.17586206896552 0.715814506539833");
    row("linear _ 3 1 2 _", "2.23606797749979 0.76393202250021");
    row("linear _ 2 1 -6 _", BACKWARDS);
    row("linear _ 10 2 _ 5", "0 25");
    row("linear _ 0.1 _ 0.1 0.35", "0.471428571428572 -1.06122448979592");
    row("linear _ _ 0.1 0.2 1.3", "0.0888461538461538 0.218846153846154");
    row("linear _ _   _", "请正确输入！\r\n任意三个已知量，两个未知量。"); // a, S ticked, empty
    row("linear 0 10 2 25 _", "请正确输入！\r\n任意三个已知量，两个未知量。");
    // v or ω given, the speed, R, m.
    row("circular v 2 0 3", "failure");
    row("circular v 2 -4 -3", "-1 3");
    row("circular ω 2 0.5 2", "2 4");
    row("circular ω 2 0 2", "0 0");
    // h. G = 6.67E-11 and the Earth's mass of the textbooks, 5.98E+24 kg.
    row("satellite 0", "7913.04786606351 5057.96136762718 0.00124223671366774");
    row("satellite 36000000", "3068.20431909066 86766.8948279493 7.24145461196757E-05");
    row("satellite -1", "输入错误，请重新输入。");
    // Mode (s average, v instantaneous, ° degrees), F, α, s, v, t; the unused box is never read.
    row("work s 10 0 5 abc 2", "50 25");
    row("work v 10 0 abc 3 2", "60 30");
    // Degrees as α·π first, then ÷180 (else ...283); (s·F)·cos α (else ...062);
    // instantaneous W = (t·(v·F))·cos α and P = W / t (F·v·cos α gives ...628).
    row("work s° 10 52 5 _ 2", "30.7830737662829 15.3915368831415");
    row("work s° 46.6 50 30.2 _ 30.44", "904.607858864061 29.7177351795027");
    row("work v° 93.336 16 _ 32.3 1.11", "3216.7426921927 2897.96638936279");
    row("work v 10 0 5 3 0", "failure"); // W = 0, and 0 / 0 although F·v·cos α exists
}

void SolversTest::solve()
{
    QFETCH(QString, out);
    try {
        QCOMPARE(solved(QString(QTest::currentDataTag()).split(u' ')), out);
    } catch (const CalculationFailure &) {
        QCOMPARE(QStringLiteral("failure"), out);
    }
}

QTEST_APPLESS_MAIN(SolversTest)
#include "solvers_test.moc"
