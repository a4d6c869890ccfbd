// The mechanical-energy page and the work-and-power page as a user meets them:
// the note and its button, the unit list, the option buttons, and the results.
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "ui/application_setup.h"
#include "ui/formula_label.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

using test::box;
using test::button;
using test::click;
using test::control;
using test::type;

class EnergyWorkPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window_.reset(); }
    void explanation_toggle_data();
    void explanation_toggle();
    void note_lies_above_the_captions();
    void captions_fit_their_places();
    void work_power_through_the_page_data();
    void work_power_through_the_page();
    void failing_click_leaves_the_results();
    void unit_list_sets_the_angle_unit();
    void option_buttons_enable_their_boxes();

private:
    QWidget *energy() const { return window_->page(3); }
    QWidget *work() const { return window_->page(4); }
    // Types the boxes; the box that the mode disables is typed while enabled.
    void fill(bool average, const QString &force, const QString &angle, const QString &displacement,
              const QString &speed, const QString &time);
    // Picks an item of the unit list with the keyboard: Home first, End last.
    void pick_unit(int index);

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

void EnergyWorkPagesTest::fill(bool average, const QString &force, const QString &angle,
                               const QString &displacement, const QString &speed,
                               const QString &time)
{
    click(button(work(), "Option6"));
    type(box(work(), "Text19"), speed);
    click(button(work(), "Option5"));
    type(box(work(), "Text18"), displacement);
    click(button(work(), average ? "Option5" : "Option6"));
    type(box(work(), "Text16"), force);
    type(box(work(), "Text17"), angle);
    type(box(work(), "Text20"), time);
}

void EnergyWorkPagesTest::pick_unit(int index)
{
    auto *units = control<QComboBox>(work(), "Combo1");
    units->setFocus();
    QTest::keyClick(units, index == 0 ? Qt::Key_Home : Qt::Key_End);
    QCOMPARE(units->currentIndex(), index);
}

void EnergyWorkPagesTest::explanation_toggle_data()
{
    // B: a click on the button, N: a click on the note, L: leaving the page and
    // coming back.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("shown");
    QTest::newRow("start") << "" << false;
    QTest::newRow("two clicks return to the start") << "BB" << false;
    QTest::newRow("a click on the note hides it") << "BN" << false;
    QTest::newRow("the button shows it again") << "BNB" << true;
    QTest::newRow("the page keeps a shown note") << "BL" << true;
}

void EnergyWorkPagesTest::explanation_toggle()
{
    QFETCH(QString, steps);
    QFETCH(bool, shown);
    click(button(window_.get(), "CurtButton1_3"));
    auto *note = control<QLabel>(energy(), "Label20");
    QAbstractButton *toggle = button(energy(), "CurtButton1_12");
    for (const QChar step : steps) {
        if (step == u'B') {
            click(toggle);
        } else if (step == u'N') {
            QTest::mouseClick(note, Qt::LeftButton, {}, QPoint(note->width() / 2, 4));
        } else {
            click(button(window_.get(), "CurtButton1_4"));
            click(button(window_.get(), "CurtButton1_3"));
        }
    }
    const QString caption = shown ? QStringLiteral("关闭说明") : QStringLiteral("查看说明");
    QCOMPARE(note->isVisible(), shown);
    QCOMPARE(toggle->text(), caption);
    QCOMPARE(toggle->accessibleName(), caption);
}

void EnergyWorkPagesTest::note_lies_above_the_captions()
{
    click(button(window_.get(), "CurtButton1_3"));
    click(button(energy(), "CurtButton1_12"));
    auto *note = control<QLabel>(energy(), "Label20");
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
        for (auto *formula : page->findChildren<ui::FormulaLabel *>()) {
            const QSize needed = formula->sizeHint();
            QVERIFY2(needed.width() <= formula->width() && needed.height() <= formula->height(),
                     qPrintable(formula->objectName()));
        }
        for (auto *label : page->findChildren<QLabel *>()) {
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width();
            QVERIFY2(fits, qPrintable(label->objectName()));
        }
    }
}

void EnergyWorkPagesTest::work_power_through_the_page_data()
{
    // unit: the item picked in the list, -1 for none.
    QTest::addColumn<bool>("average");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("boxes"); // F, α, s, v, t
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("power");
    QTest::newRow("average, radians") << true << 0 << QStringList{"10", "0", "5", "", "2"} << "50"
                                      << "25";
    QTest::newRow("average, degrees") << true << 1 << QStringList{"10", "60", "5", "", "2"} << "25"
                                      << "12.5";
    QTest::newRow("instantaneous, degrees")
        << false << 1 << QStringList{"10", "60", "", "3", "2"} << "30.0000000000001"
        << "15";
    QTest::newRow("nothing picked: radians")
        << true << -1 << QStringList{"10", "60", "5", "", "2"} << "-47.6206490207578"
        << "-23.8103245103789";
    QTest::newRow("letters in v, average")
        << true << -1 << QStringList{"10", "0", "5", "abc", "2"} << "50"
        << "25";
}

void EnergyWorkPagesTest::work_power_through_the_page()
{
    QFETCH(bool, average);
    QFETCH(int, unit);
    QFETCH(QStringList, boxes);
    QFETCH(QString, work);
    QFETCH(QString, power);
    click(button(window_.get(), "CurtButton1_4"));
    fill(average, boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
    if (unit >= 0)
        pick_unit(unit);
    QCOMPARE(window_->angle_in_radians(), unit != 1);
    click(button(this->work(), "CurtButton1_13"));
    QCOMPARE(box(this->work(), "Text21")->text(), work);
    QCOMPARE(box(this->work(), "Text22")->text(), power);
}

void EnergyWorkPagesTest::failing_click_leaves_the_results()
{
    click(button(window_.get(), "CurtButton1_4"));
    fill(true, "10", "0", "5", "3", "2");
    click(button(work(), "CurtButton1_13"));
    const struct {
        bool average;
        const char *force, *angle, *time;
    } failures[] = {{false, "10", "0", "0"}, {true, "10", "abc", "2"}, {false, "10N", "0", "2"}};
    for (const auto &failure : failures) {
        fill(failure.average, failure.force, failure.angle, "5", "3", failure.time);
        click(button(work(), "CurtButton1_13"));
        QCOMPARE(box(work(), "Text21")->text(), QStringLiteral("50"));
        QCOMPARE(box(work(), "Text22")->text(), QStringLiteral("25"));
    }
    QVERIFY(services_->messages.isEmpty());
}

void EnergyWorkPagesTest::unit_list_sets_the_angle_unit()
{
    click(button(window_.get(), "CurtButton1_4"));
    auto *units = control<QComboBox>(work(), "Combo1");
    QCOMPARE(units->currentIndex(), -1);
    QCOMPARE(units->itemText(0), QStringLiteral("弧度制"));
    QCOMPARE(units->itemText(1), QStringLiteral("角度制"));
    QVERIFY(window_->angle_in_radians());
    pick_unit(1);
    click(button(window_.get(), "CurtButton1_0"));
    click(button(window_.get(), "CurtButton1_4"));
    QVERIFY(!window_->angle_in_radians());
    units->setCurrentIndex(-1); // no pick: the unit stays
    QVERIFY(!window_->angle_in_radians());
    pick_unit(0);
    QVERIFY(window_->angle_in_radians());
}

void EnergyWorkPagesTest::option_buttons_enable_their_boxes()
{
    click(button(window_.get(), "CurtButton1_4"));
    QLineEdit *s = box(work(), "Text18");
    QLineEdit *v = box(work(), "Text19");
    type(s, "5");
    // Each step: the button clicked, then whether s (and not v) is enabled.
    const std::pair<const char *, bool> steps[] = {
        {nullptr, true}, {"Option6", false}, {"Option6", false}, {"Option5", true}};
    for (const auto &[option, s_enabled] : steps) {
        if (option)
            click(button(work(), option));
        QCOMPARE(button(work(), "Option5")->isChecked(), s_enabled);
        QCOMPARE(s->isEnabled(), s_enabled);
        QCOMPARE(v->isEnabled(), !s_enabled);
    }
    QCOMPARE(s->text(), QStringLiteral("5"));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    EnergyWorkPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "energy_work_pages_test.moc"
