// Any three of v0, vt, a, S and t give the other two: the texts a student
// sees, which message comes, and which check comes first.
#include "mechanics/linear_motion.h"
#include "mechanics/numbers.h"

#include <QStringList>
#include <QTest>

using mechanics::KnownSet;
using mechanics::MotionMessage;
using mechanics::MotionQuantity;

namespace {

const QStringList NAMES = {"v0", "vt", "a", "S", "t"};
const QStringList MESSAGES = {"count", "sign", "zero displacement", "time", "calculation"};

// The quantities named before the colon of a row's name.
KnownSet known_set(const QString &tag)
{
    KnownSet known;
    for (const QString &name : tag.section(u':', 0, 0).split(u' ', Qt::SkipEmptyParts))
        known.add(static_cast<MotionQuantity>(NAMES.indexOf(name)));
    return known;
}

// "S=25 t=5" in write order, the message's name, or "failure".
QString outcome_text(KnownSet known, const mechanics::KnownValues &values)
{
    try {
        const mechanics::MotionOutcome outcome = mechanics::solve_linear_motion(known, values);
        if (const auto *message = std::get_if<MotionMessage>(&outcome))
            return MESSAGES[static_cast<int>(*message)];
        QStringList written;
        for (const mechanics::MotionResult &result : std::get<mechanics::MotionSolution>(outcome))
            written << NAMES[static_cast<int>(result.quantity)] + u'=' +
                           QString::fromStdString(mechanics::number_text(result.value));
        return written.join(u' ');
    } catch (const mechanics::CalculationFailure &) {
        return "failure";
    }
}

} // namespace

class LinearMotionTest : public QObject {
    Q_OBJECT
private slots:
    void solve_data();
    void solve();
};

void LinearMotionTest::solve_data()
{
    QTest::addColumn<QByteArrayList>("texts"); // v0, vt, a, S as typed
    QTest::addColumn<double>("t");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, QByteArrayList texts, double t, const char *expected) {
        QTest::newRow(name) << texts << t << expected;
    };
    // v0, vt, a: a backwards time is the sign message; zero passes.
    row("v0 vt a", {"0", "10", "2", ""}, 0, "S=25 t=5");
    row("v0 vt a: a against v", {"10", "0", "2", ""}, 0, "sign");
    row("v0 vt a: braking", {"10", "0", "-2", ""}, 0, "S=25 t=5");
    row("v0 vt a: t = 0", {"5", "5", "2", ""}, 0, "S=0 t=0");
    row("v0 vt a: thirds", {"1", "2", "3", ""}, 0, "S=0.5 t=0.333333333333333");
    row("v0 vt a: a = 0", {"0", "10", "0", ""}, 0, "failure");
    // v0, vt, S: S = 0 is tested before any other text is read; a backwards
    // time is refused as in the other rows that derive t.
    row("v0 vt S", {"0", "10", "", "25"}, 0, "a=2 t=5");
    row("v0 vt S: S = 0", {"0", "10", "", "0"}, 0, "zero displacement");
    row("v0 vt S: S = -0.0", {"0", "10", "", "-0.0"}, 0, "zero displacement");
    row("v0 vt S: S = 0, v0 letters", {"abc", "10", "", "0"}, 0, "zero displacement");
    row("v0 vt S: vt = v0", {"3", "3", "", "5"}, 0, "failure");
    row("v0 vt S: vt = -v0", {"3", "-3", "", "5"}, 0, "failure");
    row("v0 vt S: t < 0", {"0", "10", "", "-25"}, 0, "calculation");
    // v0, vt, t: t ≤ 0 is tested first.
    row("v0 vt t", {"0", "10", "", ""}, 5, "S=25 a=2");
    row("v0 vt t: t = 0", {"0", "10", "", ""}, 0, "time");
    row("v0 vt t: t = -1, v0 letters", {"x", "10", "", ""}, -1, "time");
    // Roots are non-negative; a backwards time is the calculation message.
    row("v0 a S: root", {"1", "", "3", "1"}, 0, "vt=2.64575131106459 t=0.548583770354864");
    row("v0 a S: t < 0", {"10", "", "2", "-16"}, 0, "calculation");
    row("v0 a S: negative radicand", {"10", "", "-2", "30"}, 0, "failure");
    row("vt a S: root", {"", "3", "1", "2"}, 0, "v0=2.23606797749979 t=0.76393202250021");
    row("vt a S: t < 0", {"", "2", "1", "-6"}, 0, "calculation");
    // A known t is used as typed; the cases with fifteen-digit answers keep
    // the order of operations honest.
    row("v0 a t: t = 0", {"3", "", "2", ""}, 0, "vt=3 S=0");
    row("v0 a t: overflow", {"1e200", "", "1e200", ""}, 1e200, "failure");
    row("v0 S t: order", {"0.1", "", "", "3.3"}, 2.9, "vt=2.17586206896552 a=0.715814506539833");
    row("v0 S t: t = 0", {"0", "", "", "25"}, 0, "failure");
    row("vt a t", {"", "10", "2", ""}, 5, "v0=0 S=25");
    row("vt S t: order", {"", "0.1", "", "0.1"}, 0.35, "v0=0.471428571428572 a=-1.06122448979592");
    row("vt S t: t = 0", {"", "10", "", "25"}, 0, "failure");
    row("a S t: order", {"", "", "0.1", "0.2"}, 1.3, "v0=0.0888461538461538 vt=0.218846153846154");
    row("a S t: t = 0", {"", "", "2", "25"}, 0, "failure");
    // Anything but three known, whatever the boxes hold.
    row(": none", {"", "", "", ""}, 0, "count");
    row("a S: two, boxes empty", {"", "", "", ""}, 0, "count");
    row("v0 vt a S: four", {"0", "10", "2", "25"}, 0, "count");
}

void LinearMotionTest::solve()
{
    QFETCH(QByteArrayList, texts);
    QFETCH(double, t);
    QFETCH(QString, expected);
    const std::string v0 = texts[0].toStdString(), vt = texts[1].toStdString(),
                      a = texts[2].toStdString(), s = texts[3].toStdString();
    QCOMPARE(outcome_text(known_set(QTest::currentDataTag()), {v0, vt, a, s, t}), expected);
}

QTEST_APPLESS_MAIN(LinearMotionTest)
#include "linear_motion_test.moc"
