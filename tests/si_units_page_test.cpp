// The table of SI units: its 42 cells in their rows and columns, inside the
// ruling, and nothing on it that reacts to the user.
#include "app/main_window.h"
#include "app/si_units_page.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using app::SiUnitsPage;

class SiUnitsPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void rows_data();
    void rows();
    void columns_line_up_between_the_rules();
    void ruling_is_drawn();
    void nothing_reacts_and_switching_keeps_it();

private:
    QLabel *cell(int row, int column) const
    {
        return test::control<QLabel>(page_, SiUnitsPage::cell_name(row, column));
    }

    std::unique_ptr<app::Frmload> window_;
    QGroupBox *page_ = nullptr;
};

void SiUnitsPageTest::initTestCase()
{
    window_ = std::make_unique<app::Frmload>(std::make_shared<test::FakeServices>());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    test::click(test::button(window_.get(), "CurtButton1_7"));
    page_ = window_->page(7);
    QVERIFY(page_->isVisible());
}

void SiUnitsPageTest::cleanupTestCase()
{
    window_.reset();
}

void SiUnitsPageTest::rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("Label41") << 0 << QStringList{"名称", "符号", "单位", "名称", "符号", "单位"};
    QTest::newRow("Label42") << 1 << QStringList{"位移", "s", "米", "角速度", "ω", "弧度每秒"};
    QTest::newRow("Label43") << 2 << QStringList{"速度", "v", "米每秒", "频率", "f", "赫兹"};
    QTest::newRow("Label44") << 3 << QStringList{"加速度", "a", "米每二次方秒",
                                                 "动量",   "p", "千克米每秒"};
    QTest::newRow("Label45") << 4 << QStringList{"力", "F", "牛", "力矩", "M", "牛米"};
    QTest::newRow("Label46") << 5 << QStringList{"功", "W", "焦", "能量", "E", "焦"};
    QTest::newRow("Label47") << 6 << QStringList{"功率", "P", "瓦", "压强", "p", "帕"};
}

void SiUnitsPageTest::rows()
{
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    QCOMPARE(cells.size(), SiUnitsPage::COLUMNS);
    for (int column = 0; column < SiUnitsPage::COLUMNS; ++column) {
        QCOMPARE(cell(row, column)->text(), cells[column]);
        QVERIFY(cell(row, column)->isVisible());
    }
}

void SiUnitsPageTest::columns_line_up_between_the_rules()
{
    QCOMPARE(page_->findChildren<QLabel *>(QRegularExpression("^Label4[1-7]_[0-5]$")).size(), 42);
    for (int row = 0; row < SiUnitsPage::ROWS; ++row) {
        for (int column = 0; column < SiUnitsPage::COLUMNS; ++column) {
            const QString where = SiUnitsPage::cell_name(row, column);
            const QLabel *label = cell(row, column);
            const QRect rules = SiUnitsPage::cell_rect(row, column);
            // Centred in the room between the rules, whatever the font ...
            QCOMPARE(label->geometry().left(), rules.left());
            QCOMPARE(label->geometry().right(), rules.right());
            QVERIFY2(qAbs(label->geometry().center().y() - rules.center().y()) <= 1,
                     qPrintable(where));
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            // ... and never wider than that room.
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= rules.width(),
                     qPrintable(where));
        }
    }
    // The cells of a column share their edges; the rows follow each other.
    for (int column = 0; column < SiUnitsPage::COLUMNS; ++column) {
        for (int row = 1; row < SiUnitsPage::ROWS; ++row) {
            QCOMPARE(SiUnitsPage::cell_rect(row, column).left(),
                     SiUnitsPage::cell_rect(0, column).left());
            QCOMPARE(SiUnitsPage::cell_rect(row, column).top(),
                     SiUnitsPage::cell_rect(row - 1, column).bottom() + 2);
        }
    }
}

void SiUnitsPageTest::ruling_is_drawn()
{
    // The rules at their twip places (15 twips a pixel): frame 240, 285, 4695 x
    // 1920; columns at 960, 1440, 2520, 3200, 3720; rows at 680, 930, ... 1900.
    const QImage image = page_->grab().toImage();
    const QRgb ink = page_->palette().color(QPalette::WindowText).rgb();
    for (int x : {16, 64, 96, 168, 213, 248, 328})
        QCOMPARE(image.pixel(x, 120), ink);
    for (int y : {19, 45, 62, 77, 93, 111, 127, 146})
        QCOMPARE(image.pixel(200, y), ink);
    // Between two rules there is paper.
    QVERIFY(image.pixel(20, 52) != ink);
}

void SiUnitsPageTest::nothing_reacts_and_switching_keeps_it()
{
    QVERIFY(page_->findChildren<QLineEdit *>().isEmpty());
    QVERIFY(page_->findChildren<QAbstractButton *>().isEmpty());
    for (QWidget *widget : page_->findChildren<QWidget *>())
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    for (const QLabel *label : page_->findChildren<QLabel *>())
        QCOMPARE(label->textInteractionFlags(), Qt::NoTextInteraction);

    const QImage before = page_->grab().toImage();
    test::click(test::button(window_.get(), "CurtButton1_0"));
    QVERIFY(!page_->isVisible());
    test::click(test::button(window_.get(), "CurtButton1_7"));
    QVERIFY(page_->isVisible());
    QCOMPARE(page_->grab().toImage(), before);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    SiUnitsPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "si_units_page_test.moc"
