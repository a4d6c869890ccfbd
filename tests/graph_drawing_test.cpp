// The vibration graph as a list of surface operations: order, coordinates,
// the sampled curve and the label texts, without any window.
#include "graph/vibration_drawing.h"
#include "mechanics/numbers.h"

#include <QTest>

#include <cmath>

using graph::Drawing;
using graph::Operation;
namespace op = graph::op;

namespace {

constexpr graph::Rgb RED{255, 0, 0};
// Written out from the decimal values, not computed as the program does.
constexpr double TWO_PI = 6.283185307179586;
enum Outcome { Drawn, Message, Failure };

graph::VibrationPlot plot(const QStringList &texts, bool thin = true, char separator = '.')
{
    const std::string amplitude = texts[0].toStdString();
    const std::string period = texts[1].toStdString();
    return graph::plot_vibration({amplitude, period, thin, RED, separator});
}

graph::Point at(double x, double y)
{
    return {static_cast<float>(x), static_cast<float>(y)};
}

Drawing without_prints(Drawing drawing)
{
    std::erase_if(drawing, [](const auto &o) { return std::holds_alternative<op::Print>(o); });
    return drawing;
}

} // namespace

class GraphDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void axes_ticks_and_label_places();
    void curve_samples();
    void labels_data();
    void labels();
    void validation_data();
    void validation();
};

void GraphDrawingTest::axes_ticks_and_label_places()
{
    const Drawing drawing = plot({"1", "4"}).drawing;
    const Drawing head = {
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
    const Drawing tail = {
        op::MoveTo{at(0.1, 0)},
        op::Print{"0"},
        op::MoveTo{at(0.1, 1.1)},
        op::Print{"1"},
        op::MoveTo{at(0.1, -0.9)},
        op::Print{"-1"},
        op::MoveTo{at(1.3207963267948966, -0.05)},
        op::Print{" 1"},
        op::MoveTo{at(2.891592653589793, -0.05)},
        op::Print{" 2"},
        op::MoveTo{at(4.46238898038469, -0.05)},
        op::Print{" 3"},
        op::MoveTo{at(6.033185307179586, -0.05)},
        op::Print{"4"},
    };
    QCOMPARE(drawing.size(), head.size() + 629 + tail.size());
    QVERIFY(std::equal(head.begin(), head.end(), drawing.begin()));
    QVERIFY(std::equal(tail.begin(), tail.end(), drawing.end() - tail.size()));
    // Thick changes the curve's width only, the axes stay 1 pixel wide.
    const Drawing thick = plot({"1", "4"}, false).drawing;
    QVERIFY(thick[19] == Operation{op::SetLineWidth{2}});
    QVERIFY(std::equal(head.begin(), head.begin() + 19, thick.begin()));
}

void GraphDrawingTest::curve_samples()
{
    // Repeated addition of 0.01 falls short of 6.28 and stops before 2π.
    const std::vector<double> times = graph::curve_times(TWO_PI);
    QCOMPARE(times.size(), std::size_t{629});
    QCOMPARE(times.back(), 6.2799999999999105);

    const Drawing drawing = plot({"1", "4"}).drawing;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const auto &piece = std::get<op::LineTo>(drawing[21 + i]);
        QCOMPARE(piece.to, at(times[i], std::sin(times[i])));
        QCOMPARE(piece.colour, RED);
    }
}

void GraphDrawingTest::labels_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("separator");
    // Amplitude top and bottom, then the times at π/2, π, 3π/2 and 2π.
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("1, 4") << QStringList{"1", "4"} << "."
                          << QStringList{"1", "-1", " 1", " 2", " 3", "4"};
    QTest::newRow("2.50, 0.1") << QStringList{"2.50", "0.1"} << "."
                               << QStringList{"2.50", "-2.50", " 0.025", " 0.05", " 0.075", "0.1"};
    QTest::newRow("10, 3") << QStringList{"10", "3"} << "."
                           << QStringList{"10", "-10", " 0.75", " 1.5", " 2.25", "3"};
    QTest::newRow("1, 1E-4") << QStringList{"1", "1E-4"} << "."
                             << QStringList{"1", "-1", " 2.5E-05", " 5E-05", " 7.5E-05", "1E-4"};
    QTest::newRow("blanks kept") << QStringList{" 2 ", " 8 "} << "."
                                 << QStringList{" 2 ", "- 2 ", " 2", " 4", " 6", " 8 "};
    QTest::newRow("decimal comma")
        << QStringList{"0,5", "0,3"} << ","
        << QStringList{"0,5", "-0,5", " 0,075", " 0,15", " 0,225", "0,3"};
    // Divided before it is multiplied, the largest period still labels.
    QTest::newRow("period near the double limit")
        << QStringList{"1", "1.7E308"} << "."
        << QStringList{"1", "-1", " 4.25E+307", " 8.5E+307", " 1.275E+308", "1.7E308"};
}

void GraphDrawingTest::labels()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, separator);
    QFETCH(QStringList, labels);
    const Drawing drawing = plot(typed, true, separator.at(0).toLatin1()).drawing;
    QStringList printed;
    for (const graph::Operation &operation : drawing) {
        if (const auto *print = std::get_if<op::Print>(&operation))
            printed << QString::fromStdString(print->text);
    }
    QCOMPARE(printed, (QStringList{"x", "y", "0"} + labels));
    // The typed values change the labels and nothing else.
    QVERIFY(without_prints(drawing) == without_prints(plot({"1", "4"}).drawing));
}

void GraphDrawingTest::validation_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("outcome");
    QTest::newRow("zero amplitude") << QStringList{"0", "4"} << int(Message);
    QTest::newRow("negative amplitude") << QStringList{"-3", "4"} << int(Message);
    QTest::newRow("minus zero amplitude") << QStringList{"-0", "4"} << int(Message);
    QTest::newRow("zero period") << QStringList{"1", "0"} << int(Message);
    QTest::newRow("minus zero period") << QStringList{"1", "-0.0"} << int(Message);
    // Both texts are read before either sign is tested.
    QTest::newRow("zero amplitude, letters") << QStringList{"0", "abc"} << int(Failure);
    QTest::newRow("letters, negative period") << QStringList{"abc", "-1"} << int(Failure);
    QTest::newRow("empty amplitude") << QStringList{"", "4"} << int(Failure);
    QTest::newRow("period beyond range") << QStringList{"1", "1e400"} << int(Failure);
    QTest::newRow("tiny positive amplitude") << QStringList{"1e-320", "4"} << int(Drawn);
}

void GraphDrawingTest::validation()
{
    QFETCH(QStringList, typed);
    QFETCH(int, outcome);
    if (outcome == Failure) {
        QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure, plot(typed));
        return;
    }
    const graph::VibrationPlot result = plot(typed);
    QCOMPARE(result.message, std::string(outcome == Message ? "输入错误，请重新输入。" : ""));
    QCOMPARE(result.drawing.empty(), outcome == Message);
}

QTEST_APPLESS_MAIN(GraphDrawingTest)
#include "graph_drawing_test.moc"
