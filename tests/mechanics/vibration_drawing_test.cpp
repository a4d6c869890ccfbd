// The vibration graph as a list of surface operations: order, coordinates,
// the sampled curve and the label texts, without any window.
#include "mechanics/numbers.h"
#include "mechanics/vibration_drawing.h"

#include <QTest>

#include <cmath>

using mechanics::Operation;
namespace op = mechanics::op;

namespace {

constexpr mechanics::Rgb RED{255, 0, 0};
// Written out from the decimal values, not computed as the program does.
constexpr double TWO_PI = 6.283185307179586;
const QStringList MESSAGE = {"输入错误，请重新输入。"};

mechanics::VibrationPlot plot(const QStringList &texts, bool thin = true, char separator = '.')
{
    return mechanics::plot_vibration(
        {texts[0].toStdString(), texts[1].toStdString(), thin, RED, separator});
}

mechanics::Point at(double x, double y)
{
    return {static_cast<float>(x), static_cast<float>(y)};
}

// One row: amplitude and period as typed, the labels at A, -A, T/4, T/2, 3T/4
// and T; MESSAGE where the user is told, none where the click ends silently.
void row(const char *name, const QStringList &typed, const QStringList &labels = {},
         char separator = '.')
{
    QTest::newRow(name) << typed << labels << separator;
}

} // namespace

class GraphDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void drawing_in_order();
    void typed_texts_data();
    void typed_texts();
};

void GraphDrawingTest::drawing_in_order()
{
    const mechanics::Drawing drawing = plot({"1", "4"}).drawing;
    const mechanics::Drawing head = {
        op::Clear{},
        op::SetLineWidth{1},
        op::SetCoordinates{-0.2, 1.3, 6.583185307179586, -1.3},
        op::Line{at(-0.1, 0), at(6.483185307179586, 0)},
        op::MoveTo{at(6.383185307179586, 0.3)},
        op::Print{"x"},
        op::Line{at(6.483185307179586, 0), at(6.383185307179586, 0.1)},
        op::Line{at(6.483185307179586, 0), at(6.383185307179586, -0.1)},
        op::Line{at(0, -1.1), at(0, 1.2)},
        op::MoveTo{at(0.15, 1.33)},
        op::Print{"y"},
        op::Line{at(0, 1.2), at(0.1, 1.1)},
        op::Line{at(0, 1.2), at(-0.1, 1.1)},
        op::Line{at(-0.1, 1), at(0, 1)},
        op::Line{at(-0.1, -1), at(0, -1)},
        op::Line{at(1.5707963267948966, 0), at(1.5707963267948966, 0.1)},
        op::Line{at(3.141592653589793, 0), at(3.141592653589793, 0.1)},
        op::Line{at(4.71238898038469, 0), at(4.71238898038469, 0.1)},
        op::Line{at(TWO_PI, 0), at(TWO_PI, 0.1)},
        op::SetLineWidth{1},
        op::MoveTo{at(0, 0)},
    };
    QVERIFY(std::equal(head.begin(), head.end(), drawing.begin()));

    // Repeated addition of 0.01 falls short of 6.28 and stops before 2π.
    const std::vector<double> times = mechanics::curve_times(TWO_PI);
    QCOMPARE(times.size(), std::size_t{629});
    QCOMPARE(times.back(), 6.2799999999999105);
    for (std::size_t i = 0; i < times.size(); ++i)
        QVERIFY((drawing[21 + i] == Operation{op::LineTo{at(times[i], std::sin(times[i])), RED}}));

    // Each label's place, before its text: 0, A and -A beside the y axis, the
    // times left of their ticks.
    const double label_x[] = {
        0.1, 0.1, 0.1, 1.3207963267948966, 2.891592653589793, 4.46238898038469, 6.033185307179586};
    const double label_y[] = {0, 1.1, -0.9, -0.05, -0.05, -0.05, -0.05};
    QCOMPARE(drawing.size(), head.size() + times.size() + 2 * std::size(label_x));
    for (std::size_t i = 0; i < std::size(label_x); ++i)
        QVERIFY(drawing[650 + 2 * i] == Operation{op::MoveTo{at(label_x[i], label_y[i])}});

    // Thick changes the curve's width only, the axes stay 1 pixel wide.
    const mechanics::Drawing thick = plot({"1", "4"}, false).drawing;
    QVERIFY(thick[19] == Operation{op::SetLineWidth{2}});
    QVERIFY(std::equal(head.begin(), head.begin() + 19, thick.begin()));
}

void GraphDrawingTest::typed_texts_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<char>("separator");
    row("1, 1E-4", {"1", "1E-4"}, {"1", "-1", " 2.5E-05", " 5E-05", " 7.5E-05", "1E-4"});
    row("blanks kept", {" 2 ", " 8 "}, {" 2 ", "- 2 ", " 2", " 4", " 6", " 8 "});
    row("2,50, 0,1", {"2,50", "0,1"}, {"2,50", "-2,50", " 0,025", " 0,05", " 0,075", "0,1"}, ',');
    row("tiny positive amplitude", {"1e-320", "4"}, {"1e-320", "-1e-320", " 1", " 2", " 3", "4"});
    // Divided before it is multiplied, the largest period still labels.
    row("period near the double limit", {"1", "1.7E308"},
        {"1", "-1", " 4.25E+307", " 8.5E+307", " 1.275E+308", "1.7E308"});

    row("zero amplitude", {"0", "4"}, MESSAGE);
    row("minus zero amplitude", {"-0", "4"}, MESSAGE);
    row("minus zero period", {"1", "-0.0"}, MESSAGE);
    // Both texts are read before either sign is tested.
    row("zero amplitude, letters", {"0", "abc"});
    row("letters, negative period", {"abc", "-1"});
    row("period beyond range", {"1", "1e400"});
}

void GraphDrawingTest::typed_texts()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, labels);
    QFETCH(char, separator);
    if (labels.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure, plot(typed, true, separator));
        return;
    }
    const mechanics::VibrationPlot result = plot(typed, true, separator);
    const bool told = labels == MESSAGE;
    QCOMPARE(QString::fromStdString(result.message), told ? MESSAGE.first() : QString());
    QStringList printed;
    for (const mechanics::Operation &operation : result.drawing) {
        if (const auto *print = std::get_if<op::Print>(&operation))
            printed << QString::fromStdString(print->text);
    }
    QCOMPARE(printed, (told ? QStringList() : QStringList{"x", "y", "0"} + labels));
    // The typed values change the labels and nothing else.
    const auto alike = [](const Operation &a, const Operation &b) {
        return std::holds_alternative<op::Print>(a) ? std::holds_alternative<op::Print>(b) : a == b;
    };
    if (!told)
        QVERIFY(std::ranges::equal(result.drawing, plot({"1", "4"}).drawing, alike));
}

QTEST_APPLESS_MAIN(GraphDrawingTest)
#include "vibration_drawing_test.moc"
