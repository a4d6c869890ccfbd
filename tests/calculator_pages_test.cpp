// The linear-motion, circular-motion and satellite pages as a student uses
// them: ticking, typing, clicking, and what the boxes and message boxes show.
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QGroupBox>

using test::box;
using test::button;
using test::click;
using test::type;

class CalculatorPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void focus_order_data();
    void focus_order();
    void linear_messages_write_nothing_data();
    void linear_messages_write_nothing();
    void linear_results_ticks_and_failures();
    void linear_bad_time_ends_before_count();
    void circular_options_and_results_data();
    void circular_options_and_results();
    void circular_failures_keep_results();
    void satellite();

private:
    QWidget *w() const { return window_.get(); }
    // Shows page n, then ticks/clicks or types: {"Check1", "0"} ticks Check1
    // and types 0 into its box; {"Option4", {}} clicks; {"Text12", "4"} types.
    void fill(int page, const QStringList &steps);
    QStringList texts(const QStringList &names) const;

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

void CalculatorPagesTest::cleanup()
{
    window_.reset();
}

void CalculatorPagesTest::fill(int page, const QStringList &steps)
{
    click(button(w(), QStringLiteral("CurtButton1_%1").arg(page)));
    static const QStringList checks = {"Check1", "Check2", "Check3", "Check4", "Check5"};
    for (qsizetype i = 0; i < steps.size(); i += 2) {
        const QString &name = steps[i];
        if (name.startsWith("Text")) {
            type(box(w(), name), steps[i + 1]);
            continue;
        }
        if (!button(w(), name)->isChecked() || name.startsWith("Option"))
            click(button(w(), name));
        if (checks.contains(name))
            type(box(w(), QStringLiteral("Text%1").arg(checks.indexOf(name) + 5)), steps[i + 1]);
    }
}

QStringList CalculatorPagesTest::texts(const QStringList &names) const
{
    QStringList out;
    for (const QString &name : names)
        out << box(w(), name)->text();
    return out;
}

void CalculatorPagesTest::focus_order_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::newRow("linear motion")
        << QStringList{"Check1", "Text5", "Check2", "Text6", "Check3",        "Text7",
                       "Check4", "Text8", "Check5", "Text9", "CurtButton1_10"};
    QTest::newRow("circular motion")
        << QStringList{"Text10", "Text11", "Text12",  "Text13", "CurtButton1_11",
                       "Text14", "Text15", "Option3", "Option4"};
    QTest::newRow("satellite") << QStringList{"Text25", "Text26", "Text27", "Text28",
                                              "CurtButton1_16"};
}

void CalculatorPagesTest::focus_order()
{
    QFETCH(QStringList, order);
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        // Tab skips whatever takes no keyboard focus, such as captions.
        QWidget *next = test::control<QWidget>(w(), order[i])->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), order[i + 1]);
    }
}

void CalculatorPagesTest::linear_messages_write_nothing_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("message");
    const QString count = "请正确输入！\r\n任意三个已知量，两个未知量。";
    QTest::newRow("a against the motion")
        << QStringList{"Check1", "10", "Check2", "0", "Check3", "2"}
        << "输入错误！\r\n注意：请用正负号表示加速度a的方向。"
           "当匀加速运动（即加速度与速度同向）时,a为正；"
           "当匀减速运动（即加速度与速度反向）时,a为负。";
    QTest::newRow("zero displacement") << QStringList{"Check1", "0", "Check2", "10", "Check4", "0"}
                                       << "输入错误！\r\n注意：位移不能为零。";
    QTest::newRow("backwards time from v0 vt S")
        << QStringList{"Check1", "0", "Check2", "10", "Check4", "-25"}
        << "计算错误！\r\n请重新输入。";
    QTest::newRow("time not above zero")
        << QStringList{"Check1", "0", "Check2", "10", "Check5", "-1"}
        << "输入错误！\r\n注意：时间必须大于零。";
    QTest::newRow("two known, one empty") << QStringList{"Check1", "", "Check3", "2"} << count;
    QTest::newRow("four known") << QStringList{"Check1", "0", "Check2", "10",
                                               "Check3", "2", "Check4", "25"}
                                << count;
}

void CalculatorPagesTest::linear_messages_write_nothing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    fill(1, steps);
    const QStringList boxes = {"Text5", "Text6", "Text7", "Text8", "Text9"};
    const QStringList before = texts(boxes);
    click(button(w(), "CurtButton1_10"));
    QCOMPARE(services_->messages, QStringList{message});
    QCOMPARE(texts(boxes), before);
}

void CalculatorPagesTest::linear_results_ticks_and_failures()
{
    fill(1, {});
    for (const char *name : {"Text5", "Text6", "Text7", "Text8", "Text9"}) {
        QTest::keyClicks(box(w(), name), "12"); // locked until ticked
        QVERIFY(box(w(), name)->text().isEmpty());
    }
    fill(1, {"Check1", "0", "Check2", "10", "Check3", "2"});
    click(button(w(), "CurtButton1_10"));
    QCOMPARE(texts({"Text8", "Text9"}), (QStringList{"25", "5"}));

    // A failing click leaves the results as they were, without a word.
    for (const char *bad : {"abc", "", "0"}) {
        type(box(w(), "Text7"), bad);
        click(button(w(), "CurtButton1_10"));
        QCOMPARE(texts({"Text8", "Text9"}), (QStringList{"25", "5"}));
    }
    // Untick locks and empties; a ticked result becomes a known value.
    click(button(w(), "Check3"));
    QVERIFY(box(w(), "Text7")->isReadOnly() && box(w(), "Text7")->text().isEmpty());
    click(button(w(), "Check4"));
    QVERIFY(!box(w(), "Text8")->isReadOnly());
    QTest::keyClick(box(w(), "Text8"), Qt::Key_Return);
    QCOMPARE(texts({"Text7", "Text8", "Text9"}), (QStringList{"2", "25", "5"}));
    QVERIFY(services_->messages.isEmpty());
}

void CalculatorPagesTest::linear_bad_time_ends_before_count()
{
    for (const char *bad : {"abc", ""}) {
        fill(1, {"Check1", "0", "Check5", bad});
        click(button(w(), "CurtButton1_10"));
        QVERIFY(services_->messages.isEmpty());
    }
    type(box(w(), "Text9"), "5");
    click(button(w(), "CurtButton1_10"));
    QCOMPARE(services_->messages.size(), 1);
}

void CalculatorPagesTest::circular_options_and_results_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("results");
    // The box of the speed not chosen is never read.
    QTest::newRow("v given") << QStringList{"Text10", "-2", "Text12", "4", "Text13", "3"}
                             << QStringList{"1", "3"};
    QTest::newRow("ω given, v box letters")
        << QStringList{"Text10", "abc",    "Option4", {},       "Text11",
                       "2",      "Text12", "0.5",     "Text13", "2"}
        << QStringList{"2", "4"};
    QTest::newRow("ω given, R = 0")
        << QStringList{"Option4", {}, "Text11", "2", "Text12", "0", "Text13", "2"}
        << QStringList{"0", "0"};
    QTest::newRow("v given again, ω box letters")
        << QStringList{"Option4", {},  "Text11", "x", "Option3", {},
                       "Text10",  "2", "Text12", "4", "Text13",  "3"}
        << QStringList{"1", "3"};
}

void CalculatorPagesTest::circular_options_and_results()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, results);
    fill(2, steps);
    const bool v_given = button(w(), "Option3")->isChecked();
    QCOMPARE(box(w(), "Text10")->isEnabled(), v_given);
    QCOMPARE(box(w(), "Text11")->isEnabled(), !v_given);
    click(button(w(), "CurtButton1_11"));
    QCOMPARE(texts({"Text14", "Text15"}), results);
    QVERIFY(services_->messages.isEmpty());
}

void CalculatorPagesTest::circular_failures_keep_results()
{
    const QStringList good = {"Text10", "2", "Text12", "4", "Text13", "3"};
    fill(2, good);
    QVERIFY(button(w(), "Option3")->isChecked() && !box(w(), "Text11")->isEnabled());
    click(button(w(), "CurtButton1_11"));
    const QStringList failures[] = {{"Text12", "0"}, {"Text13", ""}, {"Text10", "1e200"}};
    for (const QStringList &failure : failures) {
        fill(2, good + failure);
        click(button(w(), "CurtButton1_11"));
        QCOMPARE(texts({"Text14", "Text15"}), (QStringList{"1", "3"}));
    }
    QVERIFY(services_->messages.isEmpty());
}

void CalculatorPagesTest::satellite()
{
    const QStringList results = {"Text26", "Text27", "Text28"};
    fill(6, {"Text25", "36000000"});
    click(button(w(), "CurtButton1_16"));
    QCOMPARE(texts(results),
             (QStringList{"3068.20431909066", "86766.8948279493", "7.24145461196757E-05"}));
    QVERIFY(box(w(), "Text26")->isReadOnly());
    // Letters, nothing, an overflow: silence; below the ground: the message.
    for (const char *bad : {"", "abc", "1e300", "-1"}) {
        type(box(w(), "Text25"), bad);
        click(button(w(), "CurtButton1_16"));
        QCOMPARE(texts(results).first(), QStringLiteral("3068.20431909066"));
    }
    QCOMPARE(services_->messages, QStringList{QStringLiteral("输入错误，请重新输入。")});
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    CalculatorPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "calculator_pages_test.moc"
