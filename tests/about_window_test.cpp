// The About window as the main window opens it: version line, stays on top,
// one at a time, "确定", and the e-mail link handed to the desktop.
#include "app/about_window.h"
#include "app/main_window.h"
#include "app/version.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>

using test::button;
using test::click;

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void version_line_data();
    void version_line();
    void load_step();
    void texts_fit_their_lines();
    void ok_closes_and_the_next_click_builds_it_again();
    void e_mail_line_asks_the_desktop_for_a_mail();
    void stays_open_after_the_main_window_closes();

private:
    app::Frmabout *open_about();

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
    QPointer<app::Frmabout> about_;
};

void AboutWindowTest::init()
{
    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void AboutWindowTest::cleanup()
{
    window_.reset();
    delete about_;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

app::Frmabout *AboutWindowTest::open_about()
{
    click(button(window_.get(), "CurtButton1_8"));
    about_ = window_ ? window_->about_window() : nullptr;
    return about_;
}

void AboutWindowTest::version_line_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("line");
    QTest::newRow("1.0") << 1 << 0 << "Vantrel v1.0";
    QTest::newRow("2.15") << 2 << 15 << "Vantrel v2.15";
    QTest::newRow("0.9") << 0 << 9 << "Vantrel v0.9";
    QTest::newRow("10.100") << 10 << 100 << "Vantrel v10.100";
}

void AboutWindowTest::version_line()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, line);
    QCOMPARE(app::Frmabout::build_version_line(major, minor), line);
}

void AboutWindowTest::load_step()
{
    app::Frmabout *about = open_about();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("关于"));
    QCOMPARE(about->size(), QSize(240, 132));
    QVERIFY(about->parent() == nullptr);
    QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    // The program's version is 1.0 with revision 13; the revision is not shown.
    QCOMPARE(app::VERSION_REVISION, 13);
    const QLabel *version = test::control<QLabel>(about, "Label1");
    QCOMPARE(version->text(), QStringLiteral("Vantrel v1.0"));
    QCOMPARE(version->accessibleName(), version->text());
    QCOMPARE(test::control<QLabel>(about, "Label6")->text(), QStringLiteral("Quorbin"));
    QCOMPARE(about->focusWidget(), button(about, "Command1"));
    const QPixmap icon = test::control<QLabel>(about, "Image1")->pixmap();
    QCOMPARE(icon.deviceIndependentSize(), QSizeF(32, 32));
}

void AboutWindowTest::texts_fit_their_lines()
{
    app::Frmabout *about = open_about();
    for (const char *name : {"Label1", "Label2", "Label6", "Label5", "Label4"}) {
        const QLabel *label = test::control<QLabel>(about, name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        QVERIFY2(about->rect().contains(label->mapTo(about, label->rect().bottomRight())), name);
    }
}

void AboutWindowTest::ok_closes_and_the_next_click_builds_it_again()
{
    QPointer<app::Frmabout> first = open_about();
    QVERIFY(first);
    // A second click while it is open brings the same window forward.
    QCOMPARE(open_about(), first.data());

    click(button(first, "Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(window_->about_window() == nullptr);

    app::Frmabout *second = open_about();
    QVERIFY(second && second->isVisible());
    QCOMPARE(test::control<QLabel>(second, "Label1")->text(), QStringLiteral("Vantrel v1.0"));
    QVERIFY(second->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // Closing through the desktop unloads it as well.
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window_->about_window() == nullptr);
    QVERIFY(services_->messages.isEmpty());
}

void AboutWindowTest::e_mail_line_asks_the_desktop_for_a_mail()
{
    app::Frmabout *about = open_about();
    auto *line = test::control<QLabel>(about, "Label4");
    QCOMPARE(line->text(), "E-mail:" + app::Frmabout::MAIL_ADDRESS);
    QVERIFY(app::Frmabout::MAIL_ADDRESS.endsWith(QStringLiteral("@example.org")));
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(line->font().underline());
    QCOMPARE(line->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(line, Qt::LeftButton);
    QCOMPARE(services_->opened, QList<QUrl>({QUrl("mailto:" + app::Frmabout::MAIL_ADDRESS)}));

    // No mail program: nothing is said and the window stays as it was.
    services_->desktop_can_open = false;
    QTest::mouseClick(line, Qt::LeftButton);
    QCOMPARE(services_->opened.size(), 2);
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(about->isVisible());
}

void AboutWindowTest::stays_open_after_the_main_window_closes()
{
    QPointer<app::Frmabout> about = open_about();
    window_->close();
    window_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about && about->isVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::any_of(windows.begin(), windows.end(),
                        [](const QWidget *w) { return w->isVisible(); }));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    AboutWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "about_window_test.moc"
