// Formula captions: what a screen reader hears, and that every piece is drawn
// inside the caption's place.
#include "support/gui_main.h"
#include "ui/formula_label.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using ui::FormulaLabel;

class FormulaLabelTest : public QObject {
    Q_OBJECT
private slots:
    void plain_text_data();
    void plain_text();
    void drawn_ink_stays_inside();
};

void FormulaLabelTest::plain_text_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("plain");
    QTest::newRow("subscript") << "F_1 ="
                               << "F₁ =";
    QTest::newRow("chinese subscript") << "F_合"
                                       << "F合";
    QTest::newRow("braced subscript") << "E_{k2}"
                                      << "Eₖ₂";
    QTest::newRow("superscript") << "v^2"
                                 << "v²";
    QTest::newRow("sub and superscript") << "v_2^2"
                                         << "v₂²";
    QTest::newRow("fraction") << "a=\\frac{v^2}{R}"
                              << "a=v²/R";
    QTest::newRow("root") << "F_合 = \\sqrt{F_1^2 + F_2^2 + 2F_1F_2cos α}"
                          << "F合 = √(F₁² + F₂² + 2F₁F₂cos α)";
    QTest::newRow("nested") << "\\sqrt{\\frac{GM}{r}}"
                            << "√(GM/r)";
    QTest::newRow("unbalanced brace") << "x}y"
                                      << "xy";
    QTest::newRow("trailing script") << "x_"
                                     << "x";
}

void FormulaLabelTest::plain_text()
{
    QFETCH(QString, markup);
    QFETCH(QString, plain);
    QCOMPARE(FormulaLabel::plain_text(markup), plain);
}

void FormulaLabelTest::drawn_ink_stays_inside()
{
    // A fraction line is taller than a text line; its ink must still fit the
    // 32-pixel place the pages give it, with nothing cut at the edges.
    FormulaLabel label(QStringLiteral("F=ma=m\\frac{v^2}{R}=\\sqrt{\\frac{GM}{r}}"), 10.5);
    label.resize(label.sizeHint().width() + 10, 36);
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label.render(&image, {}, {}, QWidget::DrawChildren);
    int top = image.height(), bottom = -1, right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY(bottom >= 0);
    QVERIFY(top > 0);
    QVERIFY(bottom < image.height() - 1);
    QVERIFY(right < label.sizeHint().width());
}

VANTREL_GUI_TEST_MAIN(FormulaLabelTest)

#include "formula_label_test.moc"
