// Results too long for their box: the box keeps its text, shows the sign, the
// leading digits and the power of ten, and offers the whole text as a tooltip.
#include "support/gui.h"
#include "support/gui_main.h"
#include "ui/controls.h"
#include "ui/number_box.h"

class NumberBoxTest : public QObject {
    Q_OBJECT
private slots:
    void shortened_data();
    void shortened();
    void box_data();
    void box();
};

void NumberBoxTest::shortened_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room"); // in characters
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << "-2.5" << 4 << "-2.5";
    QTest::newRow("tiny time") << "4.47213595499958E-06" << 11 << "4.4721…E-06";
    QTest::newRow("sign kept") << "-1.23456789012346E+15" << 9 << "-1.2…E+15";
    QTest::newRow("too narrow") << "-4.47213595499958E-100" << 3 << "-4…E-100";
    QTest::newRow("plain") << "5.00000000000001" << 12 << "5.000000000…";
    QTest::newRow("first significant") << "0.000123456789012345" << 7 << "0.0001…";
    QTest::newRow("small to powers") << "0.000123456789012345" << 6 << "1…E-04";
    QTest::newRow("whole to powers") << "123456789012345" << 10 << "1.234…E+14";
    QTest::newRow("typed exponent") << "1234567e3" << 8 << "1.2…E+09";
    QTest::newRow("not a number") << "abcdef" << 4 << "abc…";
}

void NumberBoxTest::shortened()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(QString, shown);
    QCOMPARE(
        ui::shortened_number(text, [room](const QString &form) { return form.size() <= room; }),
        shown);
}

void NumberBoxTest::box_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("width"); // twips
    QTest::addColumn<bool>("shortened");
    QTest::newRow("two forces") << 5.00000000000001 << 1215 << true;
    QTest::newRow("tiny time") << 4.47213595499958E-06 << 975 << true;
    QTest::newRow("narrowest") << -1.23456789012346E+15 << 735 << true;
    QTest::newRow("fits") << 25.0 << 975 << false;
}

void NumberBoxTest::box()
{
    QFETCH(double, value);
    QFETCH(int, width);
    QFETCH(bool, shortened);
    QWidget page;
    const ui::ControlSpec boxes[] = {{ui::Kind::LockedBox, "Text4", {0, 0, width, 270}}};
    ui::build_controls(&page, boxes);
    QLineEdit *box = test::box(&page, "Text4");
    auto *number = dynamic_cast<ui::NumberBox *>(box);
    QVERIFY(number);
    page.show();
    ui::write_box(box, 1234567890123456.0); // the tooltip must follow a new text
    ui::write_box(box, value);
    const QString text = ui::number_text(value);
    QCOMPARE(box->text(), text);
    QCOMPARE(box->toolTip(), shortened ? text : QString());
    const QString shown = number->shown_text();
    QCOMPARE(shown != text, shortened);
    QVERIFY2(shown.startsWith(text.left(value < 0 ? 2 : 1)), qPrintable(shown));
    if (const qsizetype power = text.indexOf(u'E'); power > 0)
        QVERIFY2(shown.endsWith(text.mid(power)), qPrintable(shown));
    page.activateWindow();
    box->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QCOMPARE(number->shown_text(), text);
}

VANTREL_GUI_TEST_MAIN(NumberBoxTest)
#include "number_box_test.moc"
