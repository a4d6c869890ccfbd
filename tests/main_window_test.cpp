// The main window as a user meets it: pages, the button array, the error trap,
// help, and the two-force page driven through its boxes and buttons.
#include "app/about_window.h"
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using test::box;
using test::button;
using test::click;
using test::type;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void start_state();
    void every_control_has_a_name_for_screen_readers();
    void pages_switch_and_keep_their_contents();
    void resultant_through_the_page_data();
    void resultant_through_the_page();
    void failing_click_ends_silently();
    void enter_presses_the_action_button();
    void locale_decimal_comma();
    void out_of_range_index_does_nothing();
    void help_opens_the_document_beside_the_program();
    void help_without_a_desktop_viewer_shows_the_page();
    void help_without_a_document_does_nothing();
    void about_window_is_one_at_a_time();

private:
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

void MainWindowTest::cleanup()
{
    if (app::Frmabout *about = window_->about_window())
        delete about;
    window_.reset();
}

void MainWindowTest::start_state()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Vantrel-Quorbin"));
    QCOMPARE(window_->size(), QSize(360, 299));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(window_->angle_in_radians());
    for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
        QGroupBox *page = window_->page(n);
        QCOMPARE(page->objectName(), QStringLiteral("Frame%1").arg(n));
        QCOMPARE(page->isVisible(), n == 0);
        QCOMPARE(page->geometry(), QRect(8, 104, 345, 161));
    }
    const QStringList captions = {
        "互成角度的二力合成", "匀变速直线运动",   "匀速圆周运动", "机械能", "功 功率", "振动",
        "人造地球卫星",       "常用力学的SI单位", "关于软件"};
    for (int i = 0; i < captions.size(); ++i) {
        QAbstractButton *nav = button(window_.get(), QStringLiteral("CurtButton1_%1").arg(i));
        QCOMPARE(nav->text(), captions[i]);
        QCOMPARE(window_->page(std::min(i, 7))->title(), captions[std::min(i, 7)]);
        QCOMPARE(nav->geometry().topLeft(), QPoint(120 * (i % 3), 32 * (i / 3)));
    }
    auto *group = window_->findChild<QButtonGroup *>(QStringLiteral("CurtButton1"));
    QCOMPARE(group->buttons().size(), app::Frmload::BUTTON_COUNT);
    for (int i = 0; i < app::Frmload::BUTTON_COUNT; ++i)
        QCOMPARE(group->id(button(window_.get(), QStringLiteral("CurtButton1_%1").arg(i))), i);
    QCOMPARE(test::control<QLabel>(window_.get(), "Label48")->text(),
             QStringLiteral("注意:本软件中的所有物理量均采用国际单位制(SI)。"));
    QCOMPARE(button(window_.get(), "CurtButton1_15")->text(), QStringLiteral("帮助"));
    QVERIFY(box(window_.get(), "Text4")->isReadOnly());
    QVERIFY(test::control<QRadioButton>(window_.get(), "Option1")->isChecked());
    for (const char *name : {"Text1", "Text2", "Text3", "Text4"})
        QVERIFY(box(window_.get(), name)->text().isEmpty());
}

void MainWindowTest::every_control_has_a_name_for_screen_readers()
{
    for (QWidget *widget : window_->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractButton *>(widget))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
    QCOMPARE(box(window_.get(), "Text1")->accessibleName(), QStringLiteral("F₁"));
    QCOMPARE(box(window_.get(), "Text4")->accessibleName(), QStringLiteral("F合"));
}

void MainWindowTest::pages_switch_and_keep_their_contents()
{
    type(box(window_.get(), "Text1"), "3");
    type(box(window_.get(), "Text2"), "4");
    type(box(window_.get(), "Text3"), "0");
    click(button(window_.get(), "CurtButton1_9"));
    QCOMPARE(box(window_.get(), "Text4")->text(), QStringLiteral("7"));
    for (int n : {1, 2, 3, 4, 5, 6, 7, 7, 0}) {
        click(button(window_.get(), QStringLiteral("CurtButton1_%1").arg(n)));
        for (int k = 0; k < app::Frmload::PAGE_COUNT; ++k)
            QCOMPARE(window_->page(k)->isVisible(), k == n);
    }
    QCOMPARE(box(window_.get(), "Text1")->text(), QStringLiteral("3"));
    QCOMPARE(box(window_.get(), "Text4")->text(), QStringLiteral("7"));
    QVERIFY(window_->angle_in_radians());
    QVERIFY(services_->messages.isEmpty());
}

void MainWindowTest::resultant_through_the_page_data()
{
    QTest::addColumn<QString>("f1");
    QTest::addColumn<QString>("f2");
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<QString>("result");
    QTest::newRow("3 4 90°") << "3"
                             << "4"
                             << "90" << true << "5";
    QTest::newRow("5 5 120°") << "5"
                              << "5"
                              << "120" << true << "5.00000000000001";
    QTest::newRow("1 1 180°") << "1"
                              << "1"
                              << "180" << true << "0";
    QTest::newRow("3 4 π rad") << "3"
                               << "4"
                               << "3.14159265358979" << false << "1";
    QTest::newRow("90 rad") << "3"
                            << "4"
                            << "90" << false << "3.77441826152056";
    QTest::newRow("negative F1") << "-3"
                                 << "4"
                                 << "0" << false << "1";
    QTest::newRow("blanks and exponent") << " 3e0 "
                                         << "+4"
                                         << ".0" << true << "7";
}

void MainWindowTest::resultant_through_the_page()
{
    QFETCH(QString, f1);
    QFETCH(QString, f2);
    QFETCH(QString, alpha);
    QFETCH(bool, degrees);
    QFETCH(QString, result);
    type(box(window_.get(), "Text1"), f1);
    type(box(window_.get(), "Text2"), f2);
    type(box(window_.get(), "Text3"), alpha);
    click(button(window_.get(), degrees ? "Option2" : "Option1"));
    click(button(window_.get(), "CurtButton1_9"));
    QCOMPARE(box(window_.get(), "Text4")->text(), result);
    QVERIFY(services_->messages.isEmpty());
}

void MainWindowTest::failing_click_ends_silently()
{
    type(box(window_.get(), "Text1"), "3");
    type(box(window_.get(), "Text2"), "4");
    type(box(window_.get(), "Text3"), "0");
    click(button(window_.get(), "CurtButton1_9"));
    QCOMPARE(box(window_.get(), "Text4")->text(), QStringLiteral("7"));

    const struct {
        const char *name;
        const char *text;
        bool degrees;
    } failures[] = {
        {"Text2", "", false},   {"Text3", "abc", false},   {"Text3", "abc", true},
        {"Text1", "3m", false}, {"Text1", "1e200", false}, {"Text3", "1e400", true},
    };
    for (const auto &failure : failures) {
        type(box(window_.get(), "Text1"), "3");
        type(box(window_.get(), "Text2"), "4");
        type(box(window_.get(), "Text3"), "0");
        type(box(window_.get(), failure.name), failure.text);
        click(button(window_.get(), failure.degrees ? "Option2" : "Option1"));
        click(button(window_.get(), "CurtButton1_9"));
        QCOMPARE(box(window_.get(), "Text4")->text(), QStringLiteral("7"));
    }
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(window_->page(0)->isVisible());
}

void MainWindowTest::enter_presses_the_action_button()
{
    type(box(window_.get(), "Text1"), "6");
    type(box(window_.get(), "Text2"), "8");
    type(box(window_.get(), "Text3"), "90");
    click(button(window_.get(), "Option2"));
    QTest::keyClick(box(window_.get(), "Text3"), Qt::Key_Return);
    QCOMPARE(box(window_.get(), "Text4")->text(), QStringLiteral("10"));
    type(box(window_.get(), "Text1"), "3");
    type(box(window_.get(), "Text2"), "4");
    QTest::keyClick(box(window_.get(), "Text1"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(box(window_.get(), "Text4")->text(), QStringLiteral("5"));
}

void MainWindowTest::locale_decimal_comma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type(box(window_.get(), "Text1"), "1,5");
    type(box(window_.get(), "Text2"), "1");
    type(box(window_.get(), "Text3"), "0");
    click(button(window_.get(), "CurtButton1_9"));
    QCOMPARE(box(window_.get(), "Text4")->text(), QStringLiteral("2,5"));
}

void MainWindowTest::out_of_range_index_does_nothing()
{
    for (int index : {-1, 18, 32767})
        window_->dispatch_button(index);
    QVERIFY(window_->page(0)->isVisible());
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(services_->opened.isEmpty());
}

void MainWindowTest::help_opens_the_document_beside_the_program()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("vantrel.html");
    QFile document(path);
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.write("<html><body>帮助</body></html>");
    document.close();
    click(button(window_.get(), "CurtButton1_15"));
    QFile::remove(path);
    QCOMPARE(services_->opened.size(), 1);
    QCOMPARE(services_->opened.first(), QUrl::fromLocalFile(path));
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(window_->page(0)->isVisible());
}

void MainWindowTest::help_without_a_desktop_viewer_shows_the_page()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("vantrel.html");
    QFile document(path);
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.write("<html><body>help</body></html>");
    document.close();
    services_->desktop_can_open = false;
    click(button(window_.get(), "CurtButton1_15"));
    QFile::remove(path);
    auto *help = window_->findChild<QWidget *>(QStringLiteral("HelpWindow"));
    QVERIFY(help && help->isVisible());
}

void MainWindowTest::help_without_a_document_does_nothing()
{
    QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath("vantrel.html"));
    click(button(window_.get(), "CurtButton1_15"));
    QVERIFY(services_->opened.isEmpty());
    QVERIFY(services_->messages.isEmpty());

    // Installed layout: bin/vantrel finds share/vantrel/vantrel.html.
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("bin") && QDir(root.path()).mkpath("share/vantrel"));
    QFile installed(root.filePath("share/vantrel/vantrel.html"));
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.close();
    QCOMPARE(app::Frmload::find_help_document(root.filePath("bin")),
             QFileInfo(installed).absoluteFilePath());
}

void MainWindowTest::about_window_is_one_at_a_time()
{
    click(button(window_.get(), "CurtButton1_8"));
    app::Frmabout *first = window_->about_window();
    QVERIFY(first && first->isVisible());
    QVERIFY(first->parent() == nullptr);
    click(button(window_.get(), "CurtButton1_8"));
    QCOMPARE(window_->about_window(), first);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return qobject_cast<app::Frmabout *>(w); }),
             1);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
