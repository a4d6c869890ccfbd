// The calculators by two tables of what the student types: in
// tests/data/mechanics/solvers.txt what the boxes show, the message, or the
// kind of silent failure; in book.txt published problems, typed as the book
// states them, and what the working's answer must say at the book's figures.
#include "mechanics/circular_motion.h"
#include "mechanics/linear_motion.h"
#include "mechanics/messages.h"
#include "mechanics/numbers.h"
#include "mechanics/satellite.h"
#include "mechanics/two_forces.h"
#include "mechanics/work_power.h"
#include "mechanics/working.h"
#include "support/data.h"

#include <QRegularExpression>
#include <QTest>

using namespace mechanics;

namespace {

// "forces degrees F1=3 F2=4 N α=90": the calculator, the page's unit of angle,
// and each box's text, which may hold blanks before a unit.
struct Click {
    QString calculator;
    bool degrees = false;
    QList<std::pair<QString, std::string>> boxes;

    // The text of a box; one not named is empty.
    std::string operator[](const QString &name) const
    {
        for (const auto &[box, text] : boxes)
            if (box == name)
                return text;
        return {};
    }
    bool has(const QString &name) const
    {
        return std::any_of(boxes.begin(), boxes.end(),
                           [&](const auto &b) { return b.first == name; });
    }
    // Average power where s is typed before v, instantaneous where v comes first.
    bool average() const
    {
        for (const auto &[box, text] : boxes)
            if (box == u"s" || box == u"v")
                return box == u"s";
        return true;
    }
};

Click parse(const QString &typed)
{
    static const QRegularExpression next_box(QStringLiteral(R"(\s+(?=[^\s=]+=))"));
    QStringList words = typed.split(next_box);
    Click click;
    click.calculator = words.front().section(u' ', 0, 0);
    click.degrees = words.takeFirst().contains(u"degrees");
    for (const QString &word : words)
        click.boxes.append({word.section(u'=', 0, 0), word.section(u'=', 1).toStdString()});
    return click;
}

QString boxes(const QStringList &names, std::initializer_list<double> values)
{
    QStringList written;
    auto name = names.begin();
    for (double value : values)
        written << *name++ + u'=' + QString::fromStdString(number_text(value));
    return written.join(u' ');
}

QString linear(const Click &c, Working &w)
{
    static const QStringList NAMES = {"v0", "vt", "a", "S", "t"};
    MotionInput in;
    std::string texts[5];
    std::string_view *fields[] = {&in.v0, &in.vt, &in.a, &in.s, &in.t};
    for (int i = 0; i < 5; ++i) {
        if (c.has(NAMES[i])) {
            in.known.add(static_cast<MotionQuantity>(i));
            texts[i] = c[NAMES[i]];
            *fields[i] = texts[i];
        }
    }
    const MotionOutcome outcome = solve_linear_motion(in, w);
    static const char *MESSAGES[] = {"Count", "Sign", "ZeroDisplacement", "Time", "Calculation"};
    if (const auto *message = std::get_if<MotionMessage>(&outcome))
        return QStringLiteral("message ") + MESSAGES[static_cast<int>(*message)];
    const auto &[first, second] = std::get<MotionSolution>(outcome);
    return boxes({NAMES[int(first.quantity)], NAMES[int(second.quantity)]},
                 {first.value, second.value});
}

// What the boxes show after the click, or the message named.
QString solved(const Click &c, Working &w)
{
    if (c.calculator == u"forces")
        return boxes({"F"}, {solve_two_forces({c["F1"], c["F2"], c["α"], c.degrees}, w)});
    if (c.calculator == u"circular") {
        const bool v = c.has("v");
        const Centripetal r = solve_circular_motion(
            {v ? GivenSpeed::Linear : GivenSpeed::Angular, c[v ? "v" : "ω"], c["R"], c["m"]}, w);
        return boxes({"a", "F"}, {r.acceleration, r.force});
    }
    if (c.calculator == u"satellite") {
        const std::optional<Orbit> o = solve_satellite({c["h"]}, w);
        return o ? boxes({"v", "T", "ω"}, {o->speed, o->period, o->angular_speed})
                 : QStringLiteral("message Input");
    }
    if (c.calculator == u"work") {
        const WorkPower r =
            solve_work_power({c.average() ? PowerMode::Average : PowerMode::Instantaneous, c["F"],
                              c["α"], !c.degrees, c["s"], c["v"], c["t"]},
                             w);
        return boxes({"W", "P"}, {r.work, r.power});
    }
    return linear(c, w);
}

QString failure_name(Failure kind)
{
    static const char *NAMES[] = {"NotANumber", "DivisionByZero", "NegativeRoot",
                                  "OutOfRange", "UnknownUnit",    "WrongUnit"};
    return QStringLiteral("failure ") + NAMES[static_cast<int>(kind)];
}

// The working's lines at `figures`, a failure's explanation at the end.
QString working_text(const Click &c, int figures, QString *out = nullptr)
{
    Working w;
    try {
        const QString shown = solved(c, w);
        if (out)
            *out = shown;
    } catch (const CalculationFailure &failure) {
        if (out)
            *out = failure_name(failure.kind());
        w.failed(failure);
    }
    QStringList lines;
    for (const std::string &line : w.lines(figures, '.'))
        lines << QString::fromStdString(line);
    return lines.join(u'\n');
}

void add_rows(const QStringList &tables)
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    for (const QString &line : test::data_lines(tables[0]) + test::data_lines(tables.value(1))) {
        const QString typed = line.section(" → ", 0, 0);
        QTest::newRow(qPrintable(typed)) << typed << line.section(" → ", 1).section("  # ", 0, 0);
    }
}

} // namespace

class SolversTest : public QObject {
    Q_OBJECT
private slots:
    void boxes_data() { add_rows({"mechanics/solvers.txt"}); }
    void boxes();
    void book_data() { add_rows({"mechanics/book.txt", "mechanics/rules.txt"}); }
    void book();
};

void SolversTest::boxes()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QString shown;
    const QString working = working_text(parse(typed), 3, &shown);
    QCOMPARE(shown, expected);
    // Every click explains itself: a value, the message's reason or the failure's.
    QVERIFY2(!working.isEmpty() && !working.contains(u"nan") && !working.contains(u"inf"),
             qPrintable(working));
}

// "@2 位移 S = 20 m ; !负号": each piece must stand in the working at two
// figures, or, after "!", must not.
void SolversTest::book()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    const int figures = expected.section(u' ', 0, 0).mid(1).toInt();
    const QString working = working_text(parse(typed), figures);
    for (QString piece : expected.section(u' ', 1).split(QStringLiteral(" ; "))) {
        const bool absent = piece.startsWith(u'!');
        QVERIFY2(working.contains(piece.remove(0, absent).trimmed()) != absent,
                 qPrintable(piece + (absent ? " is in:\n" : " is not in:\n") + working));
    }
}

QTEST_APPLESS_MAIN(SolversTest)
#include "solvers_test.moc"
