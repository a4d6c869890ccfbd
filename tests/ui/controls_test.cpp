// Controls as the pages build them: formula captions read aloud, number boxes
// that show a result too long for them shortened. How close-set notes and
// formulas are drawn, the pictures of the pages show.
#include "support/data.h"
#include "support/gui_main.h"
#include "ui/controls.h"
#include "ui/formula_label.h"
#include "ui/number_box.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>
#include <ranges>

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void formulas();
    void shortened();
    void box();
};

// Read aloud and copied as text and HTML; how they are drawn, the pictures of
// the pages show.
void ControlsTest::formulas()
{
    for (const QString &line : test::data_lines("ui/formulas.txt")) {
        const QStringList row = line.split(" | ");
        QCOMPARE(ui::FormulaLabel(row[0], 0).plainText(), row[1]);
        QVERIFY(row.size() < 3 || ui::formula_html(row[0]) == row[2]);
    }
}

void ControlsTest::shortened()
{
    for (const QString &line : test::data_lines("ui/shortened.txt")) {
        const int room = line.section(u' ', 1, 1).toInt();
        QLocale::setDefault(QLocale(line.section(u' ', 3, 3))); // C unless named
        const auto column = [&line](int n) { return line.section(u' ', n, n).replace(u'␣', u' '); };
        QCOMPARE(
            ui::shortened_number(column(0), [room](const QString &f) { return f.size() <= room; }),
            column(2));
    }
}

void ControlsTest::box()
{
    // Results in boxes as narrow as the pages' (width in twips), in a locale
    // with a decimal point and one with a comma, one in a face sized in pixels
    // (a desktop's choice); the last fits.
    for (const QString &row :
         QStringLiteral("4.47213595499958E-06 975 C|4.47213595499958E-06 975 C px|"
                        "-1.23456789012346E+15 735 C|"
                        "-1.23456789012346E+15 735 de_DE|-0.000123456789012345 "
                        "735 de_DE|86766.8948279493 855 de_DE|36000000 855 C|25 975 C")
             .split(u'|')) {
        const double value = row.section(u' ', 0, 0).toDouble();
        const int width = row.section(u' ', 1, 1).toInt();
        const QString locale = row.section(u' ', 2, 2);
        QLocale::setDefault(QLocale(locale));
        QWidget page;
        const ui::ControlRow box_row{ui::Kind::LockedBox, "Text4", {0, 0, width, 270}};
        ui::build_controls(&page, {&box_row, 1});
        auto *box = ui::child<ui::NumberBox>(&page, "Text4");
        QFont face = box->font();
        face.setPixelSize(12); // 9 pt at 96 dpi
        box->setFont(row.endsWith("px") ? face : box->font());
        page.show();
        ui::write_box(box, 1234567890123456.0); // the tooltip must follow a new text
        ui::write_box(box, value);
        const QString text = ui::number_text(value), shown = box->shown_text();
        QCOMPARE(box->text(), text); // copied and read back whole
        QCOMPARE(box->toolTip(), value != 25.0 ? text : QString());
        if (value == 25.0) { // a box the student types in tells that units may be typed
            box->setReadOnly(false);
            QVERIFY(box->toolTip().contains("36 km/h"));
        }
        // The sign, the locale's separator where digits follow it, the power of ten.
        QVERIFY2(shown.startsWith(value < 0 ? "-" : "") && shown.endsWith(text.section(u'E', 1)),
                 qPrintable(shown));
        QVERIFY2(!QRegularExpression("[.,]\\d").match(shown).hasMatch() ||
                     shown.contains(locale == "C" ? u'.' : u','),
                 qPrintable(shown));
        // Whole in a smaller face where it fits, else four digits to read by where
        // there is room for them (the work page's boxes have less).
        const QString digits = shown.section(u'…', 0, 0).remove(QRegularExpression("\\D|^[0.,-]+"));
        QVERIFY2(shown == text || width < 855 || digits.size() >= 4, qPrintable(shown));
        // Digits still 6 px high: 3/4 of the page's face at the least.
        const QImage drawn = box->grab().toImage();
        int inked_rows = 0;
        for (int y = 0; y < drawn.height(); ++y)
            inked_rows += std::ranges::any_of(std::views::iota(0, drawn.width()),
                                              [&](int x) { return qGray(drawn.pixel(x, y)) < 96; });
        QVERIFY2(inked_rows >= 6, qPrintable(shown));
        page.activateWindow();
        box->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QCOMPARE(box->shown_text(), text);
    }
    QLocale::setDefault(QLocale::c());
    // Full-width digits from a Chinese input method, which the built-in face
    // lacks in part, come from the system's faces: none drawn as a missing box.
    QTextLayout typed(QStringLiteral("０１２３４５６７８９"), ui::NumberBox().font());
    typed.beginLayout();
    typed.createLine();
    typed.endLayout();
    for (const QGlyphRun &run : typed.glyphRuns())
        QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(run.rawFont().familyName()));
}

VANTREL_GUI_TEST_MAIN(ControlsTest)
#include "controls_test.moc"
