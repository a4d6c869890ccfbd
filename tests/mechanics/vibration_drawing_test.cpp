// The vibration graph as the list of surface operations one plot performs. Coordinates are
// written out as decimals, not computed as the program does.
#include "mechanics/drawing_svg.h"
#include "mechanics/numbers.h"
#include "mechanics/vibration_drawing.h"
#include "support/data.h"

#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

using namespace mechanics;

namespace {

constexpr Rgb RED{255, 0, 0};

Point at(double x, double y)
{
    return {static_cast<float>(x), static_cast<float>(y)};
}

// Amplitude and period as typed, blank-separated; a comma is the separator.
VibrationPlot plot(const QString &typed, bool thin = true)
{
    const QStringList texts = typed.split(u' ');
    return plot_vibration({texts[0].toStdString(), texts[1].toStdString(), thin, RED,
                           typed.contains(u',') ? ',' : '.'});
}

} // namespace

class VibrationDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void drawing_list();
    void typed_texts_data();
    void typed_texts();
    void svg_label();
};

void VibrationDrawingTest::drawing_list()
{
    const Drawing drawing = plot("1 4").drawing;
    // The axes, ticks and arrows (21 operations, pictured by the graph's reference
    // pictures), then the curve in the chosen colour: t grows by adding 0.01 while
    // t ≤ 2π, 629 samples, the last short of 2π. Then 7 labels.
    QCOMPARE(drawing.size(), 21 + 629 + 2 * 7);
    double t = 0;
    for (std::size_t i = 0; i < 629; ++i, t += 0.01)
        QVERIFY((drawing[21 + i] == Operation{op::LineTo{at(t, std::sin(t)), RED}}));
    QVERIFY(plot("1 4", false).drawing[19] == Operation{op::SetLineWidth{2}}); // the curve only
}

void VibrationDrawingTest::typed_texts_data()
{
    QTest::addColumn<QString>("out");
    for (const QString &line : test::data_lines("mechanics/vibration.txt"))
        QTest::newRow(qPrintable(line.section(" => ", 0, 0))) << line.section(" => ", 1);
}

void VibrationDrawingTest::typed_texts()
{
    QFETCH(QString, out);
    QString got = "failure";
    try {
        const VibrationPlot result = plot(QTest::currentDataTag());
        const Drawing reference = plot("1 4").drawing;
        got = QString::fromStdString(result.message);
        for (std::size_t i = 0; i < result.drawing.size(); ++i)
            if (const auto *print = std::get_if<op::Print>(&result.drawing[i]))
                got += QString::fromStdString(print->text) + u'|';
            else // the typed values change the labels and nothing else
                QVERIFY(result.drawing[i] == reference.at(i));
    } catch (const CalculationFailure &) {
    }
    QCOMPARE(got, out);
}

// A label with XML's special characters and Chinese reaches a viewer as it was
// typed (the graph as a viewer draws it: pages_test).
void VibrationDrawingTest::svg_label()
{
    const std::string label = " <0.8 & \"振幅\" 'A'>";
    QXmlStreamReader svg(QByteArray::fromStdString(svg_document(
        {op::MoveTo{at(1, 2)}, op::Print{label}}, {10, 10, "\"Face\" & <Co>", 12, 9})));
    QString text;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text")
            text = svg.readElementText();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QCOMPARE(text, QString::fromStdString(label));
}

QTEST_APPLESS_MAIN(VibrationDrawingTest)
#include "vibration_drawing_test.moc"
