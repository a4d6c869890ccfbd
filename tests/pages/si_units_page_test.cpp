// The table of SI units: its 42 cells in their rows and columns, in the ruling.
#include "app/main_window.h"
#include "pages/si_units_page.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

using pages::SiUnitsPage;

class SiUnitsPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void rows_data();
    void rows();
    void ruling_is_drawn_and_stays();

private:
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

void SiUnitsPageTest::rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cells");
    QTest::newRow("Label41") << 0 << "名称 符号 单位 名称 符号 单位";
    QTest::newRow("Label42") << 1 << "位移 s 米 角速度 ω 弧度每秒";
    QTest::newRow("Label43") << 2 << "速度 v 米每秒 频率 f 赫兹";
    QTest::newRow("Label44") << 3 << "加速度 a 米每二次方秒 动量 p 千克米每秒";
    QTest::newRow("Label45") << 4 << "力 F 牛 力矩 M 牛米";
    QTest::newRow("Label46") << 5 << "功 W 焦 能量 E 焦";
    QTest::newRow("Label47") << 6 << "功率 P 瓦 压强 p 帕";
}

void SiUnitsPageTest::rows()
{
    QFETCH(int, row);
    QFETCH(QString, cells);
    for (int column = 0; column < SiUnitsPage::COLUMNS; ++column) {
        const QLabel *label = test::control<QLabel>(page_, SiUnitsPage::cell_name(row, column));
        QCOMPARE(label->text(), cells.section(u' ', column, column));
        QVERIFY(label->isVisible());
        // Between its rules and never wider than the room they leave, whatever
        // the font: the columns line up and no text crosses a rule.
        QVERIFY(SiUnitsPage::cell_rect(row, column).contains(label->geometry()));
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }
}

void SiUnitsPageTest::ruling_is_drawn_and_stays()
{
    // The rules at their twip places (15 twips a pixel): frame 240, 285, 4695 x
    // 1920; columns at 960, 1440, 2520, 3200, 3720; rows at 680, 930, ... 1900.
    const QImage image = page_->grab().toImage();
    const QRgb ink = page_->palette().color(QPalette::WindowText).rgb();
    for (int x : {16, 64, 96, 168, 213, 248, 328})
        QCOMPARE(image.pixel(x, 120), ink);
    for (int y : {19, 45, 62, 77, 93, 111, 127, 146})
        QCOMPARE(image.pixel(200, y), ink);
    QVERIFY(image.pixel(20, 52) != ink); // between two rules there is paper
    // Another page and back: the table is drawn again as it was.
    test::click(test::button(window_.get(), "CurtButton1_0"));
    test::click(test::button(window_.get(), "CurtButton1_7"));
    QVERIFY(page_->isVisible());
    QCOMPARE(page_->grab().toImage(), image);
}

VANTREL_GUI_TEST_MAIN(SiUnitsPageTest)

#include "si_units_page_test.moc"
