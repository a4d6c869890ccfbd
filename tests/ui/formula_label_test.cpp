// Formula captions: what a screen reader hears, how the pieces are set against
// each other, and that every piece is drawn inside the caption's place.
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
    void drawn_ink();
};

static QImage drawn(const QString &markup)
{
    FormulaLabel label(markup, 10.5);
    label.resize(label.sizeHint().width() + 10, 36);
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// Where the image is inked, in all rows or in row `only`.
static QRect ink(const QImage &image, int only = -1)
{
    QRect inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0 && (only < 0 || y == only))
                inked |= QRect(x, y, 1, 1);
    return inked;
}

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
    QTest::newRow("fraction in a subscript") << "x_{\\frac{1}{2}}"
                                             << "x₁/₂";
    QTest::newRow("unbalanced brace") << "x}y"
                                      << "xy";
    QTest::newRow("trailing script") << "x_"
                                     << "x";
    QTest::newRow("fraction cut short") << "\\frac{a}"
                                        << "a/";
}

void FormulaLabelTest::plain_text()
{
    QFETCH(QString, markup);
    QFETCH(QString, plain);
    QCOMPARE(FormulaLabel(markup, 0).plainText(), plain);
    QVERIFY(!ink(drawn(markup)).isEmpty());
}

void FormulaLabelTest::drawn_ink()
{
    // A fraction line is taller than a text line; its ink must still fit the
    // 32-pixel place the pages give it, with nothing cut at the edges.
    const QString markup = QStringLiteral("F=ma=m\\frac{v^2}{R}=\\sqrt{\\frac{GM}{r}}");
    const QRect all = ink(drawn(markup));
    QVERIFY(all.top() > 0 && all.bottom() < 35);
    QVERIFY(all.right() < FormulaLabel(markup, 10.5).sizeHint().width());

    QVERIFY(ink(drawn("\\frac{1}{2}")).height() > ink(drawn("12")).height());
    QVERIFY(ink(drawn("x^2")).top() < ink(drawn("x_2")).top());
    QVERIFY(ink(drawn("x_{12}^3")).width() <= ink(drawn("x_{12}")).width());
    // The root's bar runs over the whole radicand.
    const QImage root = drawn("\\sqrt{xxxx}");
    QVERIFY(ink(root, ink(root).top()).width() > ink(root).width() / 2);
}

VANTREL_GUI_TEST_MAIN(FormulaLabelTest)

#include "formula_label_test.moc"
