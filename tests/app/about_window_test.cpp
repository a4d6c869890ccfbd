// The About window as the main window opens it: version line, stays on top,
// one at a time, "确定", and the e-mail link handed to the desktop.
#include "app/about_window.h"
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>

using test::button;
using test::click;

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup()
    {
        delete window_->about_window();
        window_.reset();
    }
    void version_line_data();
    void version_line();
    void load_step_and_mail_link();
    void one_at_a_time_and_built_again_after_ok();

private:
    app::Frmabout *open_about()
    {
        click(button(window_.get(), "CurtButton1_8"));
        return window_->about_window();
    }

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
};

void AboutWindowTest::init()
{
    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void AboutWindowTest::version_line_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("line");
    QTest::newRow("1.0") << 1 << 0 << "Vantrel v1.0";
    QTest::newRow("2.15") << 2 << 15 << "Vantrel v2.15";
}

void AboutWindowTest::version_line()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, line);
    QCOMPARE(app::Frmabout::build_version_line(major, minor), line);
}

void AboutWindowTest::load_step_and_mail_link()
{
    app::Frmabout *about = open_about();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("关于"));
    QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(
        !(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // The program's version 1.0: the revision is not shown.
    QCOMPARE(test::control<QLabel>(about, "Label1")->text(), QStringLiteral("Vantrel v1.0"));
    QCOMPARE(about->focusWidget(), button(about, "Command1"));
    QVERIFY(!test::control<QLabel>(about, "Image1")->pixmap().isNull());
    // No text is cut off or falls outside the window, whatever the font.
    for (const char *name : {"Label1", "Label2", "Label6", "Label5", "Label4"}) {
        const QLabel *label = test::control<QLabel>(about, name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        QVERIFY2(about->rect().contains(label->mapTo(about, label->rect().bottomRight())), name);
    }

    // The e-mail line looks like a link and asks the desktop for a mail.
    auto *mail = test::control<QLabel>(about, "Label4");
    QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(mail->font().underline());
    QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(services_->opened, QList<QUrl>({QUrl("mailto:" + app::Frmabout::MAIL_ADDRESS)}));
    // No mail program: nothing is said and the window stays as it was.
    services_->desktop_can_open = false;
    QTest::mouseClick(mail, Qt::LeftButton);
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(about->isVisible());
}

void AboutWindowTest::one_at_a_time_and_built_again_after_ok()
{
    QPointer<app::Frmabout> first = open_about();
    QVERIFY(first);
    // A second click while it is open brings the same window forward.
    QCOMPARE(open_about(), first.data());
    click(button(first, "Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    app::Frmabout *second = open_about();
    QVERIFY(second && second->isVisible());
}

VANTREL_GUI_TEST_MAIN(AboutWindowTest)

#include "about_window_test.moc"
