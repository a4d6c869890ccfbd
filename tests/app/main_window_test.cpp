// The main window as a user meets it: pages, the button array, the error trap,
// help, and the two-force page driven through its boxes and buttons.
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

using test::box;
using test::button;
using test::click;
using test::type;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window_.reset(); }
    void start_state();
    void pages_switch_and_keep_their_contents();
    void two_forces_through_the_page_data();
    void two_forces_through_the_page();
    void help_data();
    void help();
    void help_found_in_the_installed_layout();

private:
    QWidget *w() const { return window_.get(); }
    // Types F1, F2 and α, picks the unit and clicks 计算合力, or presses Enter in
    // the box named by enter_in (keypad Enter in Text1).
    void compute(const QStringList &typed, bool degrees, const QString &enter_in = {});

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
};

void MainWindowTest::init()
{
    QLocale::setDefault(QLocale::c());
    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void MainWindowTest::compute(const QStringList &typed, bool degrees, const QString &enter_in)
{
    for (int i = 0; i < 3; ++i)
        type(box(w(), QStringLiteral("Text%1").arg(i + 1)), typed[i]);
    click(button(w(), degrees ? "Option2" : "Option1"));
    if (enter_in.isEmpty())
        click(button(w(), "CurtButton1_9"));
    else if (enter_in == "Text1")
        QTest::keyClick(box(w(), enter_in), Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::keyClick(box(w(), enter_in), Qt::Key_Return);
}

void MainWindowTest::start_state()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Vantrel-Quorbin"));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(window_->angle_in_radians());
    const QStringList captions = {
        "互成角度的二力合成", "匀变速直线运动",   "匀速圆周运动", "机械能", "功 功率", "振动",
        "人造地球卫星",       "常用力学的SI单位", "关于软件"};
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(button(w(), QStringLiteral("CurtButton1_%1").arg(i))->text(), captions[i]);
        if (i < app::Frmload::PAGE_COUNT) {
            QCOMPARE(window_->page(i)->title(), captions[i]);
            QCOMPARE(window_->page(i)->isVisible(), i == 0);
        }
    }
    QCOMPARE(button(w(), "CurtButton1_15")->text(), QStringLiteral("帮助"));
    QCOMPARE(test::control<QLabel>(w(), "Label48")->text(),
             QStringLiteral("注意:本软件中的所有物理量均采用国际单位制(SI)。"));
    QVERIFY(box(w(), "Text4")->isReadOnly());
    QVERIFY(test::control<QRadioButton>(w(), "Option1")->isChecked());
    for (const char *name : {"Text1", "Text2", "Text3", "Text4"})
        QVERIFY(box(w(), name)->text().isEmpty());
    // Screen readers tell the boxes apart by their names.
    for (QWidget *widget : window_->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractButton *>(widget))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
    QCOMPARE(box(w(), "Text1")->accessibleName(), QStringLiteral("F₁"));
    QCOMPARE(box(w(), "Text4")->accessibleName(), QStringLiteral("F合"));
}

void MainWindowTest::pages_switch_and_keep_their_contents()
{
    compute({"3", "4", "0"}, false);
    for (int n : {1, 2, 3, 4, 5, 6, 7, 7, 0}) {
        click(button(w(), QStringLiteral("CurtButton1_%1").arg(n)));
        for (int k = 0; k < app::Frmload::PAGE_COUNT; ++k)
            QCOMPARE(window_->page(k)->isVisible(), k == n);
    }
    // Indexes outside the array do nothing at all.
    for (int index : {-1, 18, 32767})
        window_->dispatch_button(index);
    QVERIFY(window_->page(0)->isVisible());
    QVERIFY(services_->opened.isEmpty());
    QCOMPARE(box(w(), "Text1")->text(), QStringLiteral("3"));
    QCOMPARE(box(w(), "Text4")->text(), QStringLiteral("7"));
    QVERIFY(window_->angle_in_radians());
    QVERIFY(services_->messages.isEmpty());
}

void MainWindowTest::two_forces_through_the_page_data()
{
    QTest::addColumn<QStringList>("typed"); // F1, F2, α
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<QString>("enter_in"); // empty: the button is clicked
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("result");
    // Every row starts from 3, 4, 0 giving 7: a failure must leave that 7.
    auto row = [](const char *name, QStringList typed, bool degrees, const char *enter_in,
                  const char *locale, const char *result) {
        QTest::newRow(name) << typed << degrees << enter_in << locale << result;
    };
    row("5 5 120°", {"5", "5", "120"}, true, "", "C", "5.00000000000001");
    row("3 4 π rad", {"3", "4", "3.14159265358979"}, false, "", "C", "1");
    row("90 taken as radians", {"3", "4", "90"}, false, "", "C", "3.77441826152056");
    row("blanks, sign, exponent", {" 6e0 ", "+8", ".9e2"}, true, "", "C", "10");
    row("Return in α", {"6", "8", "90"}, true, "Text3", "C", "10");
    row("keypad Enter in F1", {"3", "4", "90"}, true, "Text1", "C", "5");
    row("decimal comma", {"1,5", "1", "0"}, false, "", "de_DE", "2,5");
    row("F2 empty", {"3", "", "0"}, false, "", "C", "7");
    row("α letters, radians", {"3", "4", "abc"}, false, "", "C", "7");
    row("α letters, degrees", {"3", "4", "abc"}, true, "", "C", "7");
    row("unit after F1", {"3m", "4", "0"}, false, "", "C", "7");
    row("square overflows", {"1e200", "4", "0"}, false, "", "C", "7");
    row("α beyond the range", {"3", "4", "1e400"}, true, "", "C", "7");
}

void MainWindowTest::two_forces_through_the_page()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, degrees);
    QFETCH(QString, enter_in);
    QFETCH(QString, locale);
    QFETCH(QString, result);
    QLocale::setDefault(QLocale(locale));
    compute({"3", "4", "0"}, false);
    QCOMPARE(box(w(), "Text4")->text(), QStringLiteral("7"));
    compute(typed, degrees, enter_in);
    QCOMPARE(box(w(), "Text4")->text(), result);
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(window_->page(0)->isVisible());
}

void MainWindowTest::help_data()
{
    QTest::addColumn<bool>("document");      // vantrel.html beside the program
    QTest::addColumn<bool>("desktop_opens"); // the desktop can open documents
    QTest::addColumn<bool>("asked");         // the desktop was asked for it
    QTest::addColumn<bool>("own_window");    // the built-in help window shows it
    QTest::newRow("desktop opens it") << true << true << true << false;
    QTest::newRow("no desktop viewer") << true << false << true << true;
    QTest::newRow("no document") << false << true << false << false;
}

void MainWindowTest::help()
{
    QFETCH(bool, document);
    QFETCH(bool, desktop_opens);
    QFETCH(bool, asked);
    QFETCH(bool, own_window);
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("vantrel.html");
    QFile file(path);
    QFile::remove(path);
    if (document) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body>帮助</body></html>");
        file.close();
    }
    services_->desktop_can_open = desktop_opens;
    click(button(w(), "CurtButton1_15"));
    QFile::remove(path);
    QCOMPARE(services_->opened, asked ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
    auto *help = window_->findChild<QWidget *>(QStringLiteral("HelpWindow"));
    QCOMPARE(help && help->isVisible(), own_window);
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(window_->page(0)->isVisible());
}

void MainWindowTest::help_found_in_the_installed_layout()
{
    // bin/vantrel finds share/vantrel/vantrel.html.
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("bin") && QDir(root.path()).mkpath("share/vantrel"));
    QFile installed(root.filePath("share/vantrel/vantrel.html"));
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.close();
    QCOMPARE(app::Frmload::find_help_document(root.filePath("bin")),
             QFileInfo(installed).absoluteFilePath());
}

VANTREL_GUI_TEST_MAIN(MainWindowTest)

#include "main_window_test.moc"
