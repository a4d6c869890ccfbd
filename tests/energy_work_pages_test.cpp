// The mechanical-energy page and the work-and-power page as a user meets them:
// the note and its button, the unit list, the option buttons, and the results.
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"
#include "ui/formula_label.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

using test::box;
using test::button;
using test::click;

class EnergyWorkPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void explanation_toggle_data();
    void explanation_toggle();
    void captions_fit_their_places();
    void work_power_through_the_page_data();
    void work_power_through_the_page();

private:
    QWidget *energy() const { return window_->page(3); }
    QWidget *work() const { return window_->page(4); }

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
};

void EnergyWorkPagesTest::init()
{
    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void EnergyWorkPagesTest::explanation_toggle_data()
{
    // Clicks on the named controls once the energy page is shown; Label20 is
    // the note itself.
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<bool>("shown");
    QTest::newRow("start") << "" << false;
    QTest::newRow("two clicks return to the start") << "CurtButton1_12 CurtButton1_12" << false;
    QTest::newRow("a click on the note hides it") << "CurtButton1_12 Label20" << false;
    QTest::newRow("the button shows it again") << "CurtButton1_12 Label20 CurtButton1_12" << true;
    QTest::newRow("the page keeps a shown note, above the captions")
        << "CurtButton1_12 CurtButton1_4 CurtButton1_3" << true;
}

void EnergyWorkPagesTest::explanation_toggle()
{
    QFETCH(QString, clicks);
    QFETCH(bool, shown);
    for (const QString &name : ("CurtButton1_3 " + clicks).split(' ', Qt::SkipEmptyParts)) {
        auto *target = test::control<QWidget>(window_.get(), name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(target->width() / 2, 4));
    }
    auto *note = test::control<QLabel>(energy(), "Label20");
    const QString caption = shown ? QStringLiteral("关闭说明") : QStringLiteral("查看说明");
    QCOMPARE(note->isVisible(), shown);
    QCOMPARE(button(energy(), "CurtButton1_12")->text(), caption);
    if (!shown)
        return;
    // Later siblings are drawn above earlier ones: nothing after the note may
    // reach into it.
    const QObjectList siblings = energy()->children();
    for (qsizetype i = siblings.indexOf(note) + 1; i < siblings.size(); ++i) {
        auto *widget = qobject_cast<QWidget *>(siblings[i]);
        QVERIFY2(!widget || !widget->geometry().intersects(note->geometry()),
                 qPrintable(widget->objectName()));
    }
    // Opaque: nothing beneath shows through at its corners.
    const QImage picture = energy()->grab().toImage();
    const QColor paper = note->palette().color(QPalette::ToolTipBase);
    const qreal ratio = picture.devicePixelRatio();
    QCOMPARE(picture.pixelColor((note->geometry().topLeft() + QPoint(1, 1)) * ratio), paper);
    QCOMPARE(picture.pixelColor((note->geometry().bottomLeft() + QPoint(1, -1)) * ratio), paper);
}

void EnergyWorkPagesTest::captions_fit_their_places()
{
    // Fractions and scripts must not be cut at their edges, one-line captions
    // must not run into the next control, wrapped ones must keep their last line.
    for (QWidget *page : {energy(), work()}) {
        for (auto *formula : page->findChildren<ui::FormulaLabel *>())
            QVERIFY2(formula->sizeHint().boundedTo(formula->size()) == formula->sizeHint(),
                     qPrintable(formula->objectName()));
        for (auto *label : page->findChildren<QLabel *>()) {
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width();
            QVERIFY2(fits, qPrintable(label->objectName()));
        }
    }
    // Close-set lines must not touch: the conservation law's two lines stay two
    // bands of ink with blank rows between.
    const QImage law = test::control<QLabel>(energy(), "Label15")->grab().toImage();
    QString rows;
    for (int y = 0; y < law.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < law.width(); ++x)
            ink |= qGray(law.pixel(x, y)) < 160;
        rows += ink ? u'#' : u' ';
    }
    QCOMPARE(rows.split(u' ', Qt::SkipEmptyParts).size(), 2);
}

void EnergyWorkPagesTest::work_power_through_the_page_data()
{
    // Once F = 10, α = 0, s = 5, t = 2 gave W = 50 and P = 25: the steps (a click,
    // typing as Text17=60, a pick in the unit list, -1 for none), then W and P.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("results");
    const QStringList radians = {"-47.6206490207578", "-23.8103245103789"};
    const QStringList kept = {"50", "25"};
    QTest::newRow("instantaneous, degrees")
        << "Option6 Text19=3 Text17=60 Combo1=1" << QStringList{"30.0000000000001", "15"};
    QTest::newRow("nothing picked: radians") << "Text17=60" << radians;
    QTest::newRow("degrees, then radians") << "Text17=60 Combo1=1 Combo1=0" << radians;
    QTest::newRow("no pick keeps degrees")
        << "Text17=60 Combo1=1 Combo1=-1" << QStringList{"25", "12.5"};
    QTest::newRow("back to average, s kept") << "Option6 Text19=3 Option5" << kept;
    // Failures end the click silently and leave the results as they were.
    QTest::newRow("instantaneous, t = 0") << "Option6 Text19=3 Text20=0" << kept;
    QTest::newRow("letters in α") << "Text17=abc" << kept;
}

void EnergyWorkPagesTest::work_power_through_the_page()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, results);
    auto *units = test::control<QComboBox>(work(), "Combo1");
    QCOMPARE(units->currentIndex(), -1);
    const QString compute = " CurtButton1_13 ";
    steps = "CurtButton1_4 Text16=10 Text17=0 Text18=5 Text20=2" + compute + steps + compute;
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        const QString name = step.section('=', 0, 0), text = step.section('=', 1);
        if (name.startsWith("Text")) {
            test::type(box(work(), name), text);
        } else if (name != "Combo1") {
            click(button(window_.get(), name));
        } else if (text == "-1") {
            units->setCurrentIndex(-1); // not a user's pick: the unit stays
        } else {
            units->setFocus(); // Home picks the first item, End the last
            QTest::keyClick(units, text == "0" ? Qt::Key_Home : Qt::Key_End);
        }
        // The option buttons enable the box of the chosen mode only.
        const bool average = button(work(), "Option5")->isChecked();
        QCOMPARE(box(work(), "Text18")->isEnabled(), average);
        QCOMPARE(box(work(), "Text19")->isEnabled(), !average);
    }
    QCOMPARE((QStringList{box(work(), "Text21")->text(), box(work(), "Text22")->text()}), results);
    QVERIFY(services_->messages.isEmpty());
}

VANTREL_GUI_TEST_MAIN(EnergyWorkPagesTest)

#include "energy_work_pages_test.moc"
