// The linear-motion, circular-motion and satellite pages as a student uses
// them: ticking, typing, clicking, and what the boxes and message boxes show.
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"

#include <QApplication>
#include <QGroupBox>

using test::box;
using test::button;
using test::type;

class CalculatorPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window_.reset(); }
    void focus_order_data();
    void focus_order();
    void action_click_data();
    void action_click();
    void ticks_lock_and_options_enable();

private:
    QWidget *w() const { return window_.get(); }
    void click(const QString &name) { test::click(button(w(), name)); }
    // Shows page n, then works through "Check1=0 Option4 Text12=4": ticks
    // Check1 and types 0 into its box, clicks Option4, types 4 into Text12.
    // A button named without a value is clicked, a check box only if unticked.
    void fill(int page, const QString &steps);
    QMap<QString, QString> texts(int page) const;

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
};

void CalculatorPagesTest::init()
{
    QLocale::setDefault(QLocale::c());
    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void CalculatorPagesTest::fill(int page, const QString &steps)
{
    click(QStringLiteral("CurtButton1_%1").arg(page));
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = step.section(u'=', 0, 0);
        const QString value = step.section(u'=', 1);
        if (name.startsWith("Text"))
            type(box(w(), name), value);
        else if (!button(w(), name)->isChecked() || name.startsWith("Option"))
            click(name);
        if (name.startsWith("Check")) // Check1 to Check5 open Text5 to Text9
            type(box(w(), QStringLiteral("Text%1").arg(name.mid(5).toInt() + 4)), value);
    }
}

QMap<QString, QString> CalculatorPagesTest::texts(int page) const
{
    QMap<QString, QString> out;
    for (const QLineEdit *edit : window_->page(page)->findChildren<QLineEdit *>())
        out[edit->objectName()] = edit->text();
    return out;
}

void CalculatorPagesTest::focus_order_data()
{
    QTest::addColumn<QString>("order");
    QTest::newRow("linear motion")
        << "Check1 Text5 Check2 Text6 Check3 Text7 Check4 Text8 Check5 Text9 CurtButton1_10";
    QTest::newRow("circular motion")
        << "Text10 Text11 Text12 Text13 CurtButton1_11 Text14 Text15 Option3 Option4";
    QTest::newRow("satellite") << "Text25 Text26 Text27 Text28 CurtButton1_16";
}

void CalculatorPagesTest::focus_order()
{
    QFETCH(QString, order);
    const QStringList names = order.split(u' ');
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        // Tab skips whatever takes no keyboard focus, such as captions.
        QWidget *next = test::control<QWidget>(w(), names[i])->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), names[i + 1]);
    }
}

void CalculatorPagesTest::action_click_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("written"); // every box not named here stays as it was
    QTest::addColumn<QString>("message"); // empty: none
    auto row = [](const char *name, int page, const char *steps, const char *written,
                  const char *message = "") {
        QTest::newRow(name) << page << steps << written << message;
    };
    // Linear motion: a message writes nothing.
    row("a against the motion", 1, "Check1=10 Check2=0 Check3=2", "",
        "输入错误！\r\n注意：请用正负号表示加速度a的方向。"
        "当匀加速运动（即加速度与速度同向）时,a为正；"
        "当匀减速运动（即加速度与速度反向）时,a为负。");
    row("zero displacement", 1, "Check1=0 Check2=10 Check4=0", "",
        "输入错误！\r\n注意：位移不能为零。");
    row("backwards time from v0 vt S", 1, "Check1=0 Check2=10 Check4=-25", "",
        "计算错误！\r\n请重新输入。");
    row("time not above zero", 1, "Check1=0 Check2=10 Check5=-1", "",
        "输入错误！\r\n注意：时间必须大于零。");
    row("four known", 1, "Check1=0 Check2=10 Check3=2 Check4=25", "",
        "请正确输入！\r\n任意三个已知量，两个未知量。");
    // A ticked t that is no number ends the click before the count is checked;
    // any other failure leaves the results of the click before.
    row("t letters, two known", 1, "Check1=0 Check5=abc", "");
    row("a letters", 1, "Check1=0 Check2=10 Check3=2 CurtButton1_10 Text7=abc", "");
    row("a = 0", 1, "Check1=0 Check2=10 Check3=2 CurtButton1_10 Text7=0", "");
    // Circular motion: the box of the speed not chosen is never read (the ω box
    // is empty while v is given); a failure leaves the results of the click before.
    row("v given, ω box empty", 2, "Text10=2 Text12=4 Text13=3", "Text14=1 Text15=3");
    row("ω given, v box letters", 2, "Text10=abc Option4 Text11=2 Text12=0.5 Text13=2",
        "Text14=2 Text15=4");
    row("R = 0", 2, "Text10=2 Text12=4 Text13=3 CurtButton1_11 Text12=0", "");
    row("m empty", 2, "Text10=2 Text12=4 Text13=3 CurtButton1_11 Text13=", "");
    // Satellite: below the ground is the one message; other failures are silent.
    row("36000 km", 6, "Text25=36000000",
        "Text26=3068.20431909066 Text27=86766.8948279493 Text28=7.24145461196757E-05");
    row("h letters", 6, "Text25=0 CurtButton1_16 Text25=abc", "");
    row("below the ground", 6, "Text25=0 CurtButton1_16 Text25=-1", "", //
        "输入错误，请重新输入。");
}

void CalculatorPagesTest::action_click()
{
    QFETCH(int, page);
    QFETCH(QString, steps);
    QFETCH(QString, written);
    QFETCH(QString, message);
    fill(page, steps);
    QMap<QString, QString> expected = texts(page);
    for (const QString &result : written.split(u' ', Qt::SkipEmptyParts))
        expected[result.section(u'=', 0, 0)] = result.section(u'=', 1);
    click(page == 6 ? "CurtButton1_16" : QStringLiteral("CurtButton1_%1").arg(page + 9));
    QCOMPARE(texts(page), expected);
    QCOMPARE(services_->messages, message.isEmpty() ? QStringList{} : QStringList{message});
}

void CalculatorPagesTest::ticks_lock_and_options_enable()
{
    fill(1, {});
    for (const char *name : {"Text5", "Text6", "Text7", "Text8", "Text9"}) {
        QTest::keyClicks(box(w(), name), "12"); // locked until ticked
        QVERIFY(box(w(), name)->text().isEmpty());
    }
    fill(1, "Check1=0 Check2=10 Check3=2 CurtButton1_10");
    // Untick locks and empties; a ticked result becomes a known value.
    click("Check3");
    QVERIFY(box(w(), "Text7")->isReadOnly() && box(w(), "Text7")->text().isEmpty());
    click("Check4");
    QVERIFY(!box(w(), "Text8")->isReadOnly());
    QTest::keyClick(box(w(), "Text8"), Qt::Key_Return);
    QCOMPARE(texts(1).values(), (QStringList{"0", "10", "2", "25", "5"}));
    QVERIFY(services_->messages.isEmpty());

    // The option buttons enable the box of the speed they name.
    for (const char *option : {"Option4", "Option3"}) {
        fill(2, option);
        QCOMPARE(box(w(), "Text10")->isEnabled(), option == QLatin1String("Option3"));
        QCOMPARE(box(w(), "Text11")->isEnabled(), option == QLatin1String("Option4"));
    }
}

VANTREL_GUI_TEST_MAIN(CalculatorPagesTest)

#include "calculator_pages_test.moc"
