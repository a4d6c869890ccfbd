// The start-up splash: its picture, and the ticks that open the main window.
#include "app/main_window.h"
#include "app/splash_window.h"
#include "support/fake_services.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// Stands in for the program's own factory and remembers what the splash did.
struct MainWindowProbe {
    int created = 0;
    bool shown_when_created = true;
    bool loaded_when_created = false;
    qint64 created_after_ms = -1;
    QElapsedTimer since_start;
    QPointer<app::Frmload> window;

    app::Frmfirst::MainWindowFactory factory()
    {
        since_start.start();
        return [this]() -> QWidget * {
            ++created;
            created_after_ms = since_start.elapsed();
            window = new app::Frmload(std::make_shared<test::FakeServices>());
            window->setAttribute(Qt::WA_DeleteOnClose);
            shown_when_created = window->isVisible();
            // The load step ran in the constructor: only the two-force page is set visible.
            loaded_when_created = window->angle_in_radians() && !window->page(0)->isHidden() &&
                                  window->page(7)->isHidden();
            return window;
        };
    }

    ~MainWindowProbe() { delete window; }
};

void delete_closed_windows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT
private slots:
    void shows_the_logo_without_a_border();
    void second_tick_opens_the_main_window_once();
    void timer_opens_the_main_window_after_a_second();
};

void SplashWindowTest::shows_the_logo_without_a_border()
{
    MainWindowProbe probe;
    QPointer<app::Frmfirst> splash = new app::Frmfirst(probe.factory());
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash->size(), QSize(239, 159));
    QCOMPARE(splash->logo().deviceIndependentSize(), QSizeF(240, 160));

    // Drawn at its natural size: the corners match the logo's own pixels, and the
    // logo's last column and row are the ones cut off.
    const QImage shown = splash->grab().toImage();
    const QImage logo = splash->logo().toImage();
    QCOMPARE(shown.pixel(0, 0), logo.pixel(0, 0));
    QCOMPARE(shown.pixel(238, 158), logo.pixel(238, 158));
    QCOMPARE(shown.pixel(120, 80), logo.pixel(120, 80));

    const QRect screen = splash->screen()->availableGeometry();
    QVERIFY(qAbs(splash->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(splash->geometry().center().y() - screen.center().y()) <= 1);
    QCOMPARE(splash->timer()->interval(), 500);
    QVERIFY(splash->timer()->isActive());
    delete splash;
    QCOMPARE(probe.created, 0);
}

void SplashWindowTest::second_tick_opens_the_main_window_once()
{
    MainWindowProbe probe;
    QPointer<app::Frmfirst> splash = new app::Frmfirst(probe.factory());
    splash->timer()->stop(); // the test ticks by hand
    splash->show();
    QCOMPARE(splash->splash_ticks(), 0);

    splash->tick();
    QCOMPARE(splash->splash_ticks(), 1);
    QCOMPARE(probe.created, 0);
    QVERIFY(splash->isVisible());

    splash->tick();
    QCOMPARE(probe.created, 1);
    QVERIFY(probe.loaded_when_created);
    QVERIFY(!probe.shown_when_created);
    QVERIFY(probe.window && probe.window->isVisible());
    QVERIFY(probe.window->parent() == nullptr);

    // The splash closed itself and is deleted with its timer.
    delete_closed_windows();
    QVERIFY(splash.isNull());
    QCOMPARE(probe.created, 1);
    QVERIFY(probe.window && probe.window->isVisible());
}

void SplashWindowTest::timer_opens_the_main_window_after_a_second()
{
    MainWindowProbe probe;
    QPointer<app::Frmfirst> splash = new app::Frmfirst(probe.factory());
    // Runs after the splash's own handler of each tick: how many main windows
    // exist once that tick is done.
    QList<int> after_each_tick;
    connect(splash->timer(), &QTimer::timeout, this,
            [&] { after_each_tick.append(probe.created); });
    splash->show();

    QTRY_VERIFY_WITH_TIMEOUT(probe.created == 1, 5000);
    QCOMPARE(after_each_tick, QList<int>({0, 1}));
    // Two ticks of 500 ms; coarse timers may fire up to 5% early.
    QVERIFY2(probe.created_after_ms >= 950, qPrintable(QString::number(probe.created_after_ms)));
    QTRY_VERIFY(splash.isNull());

    // No tick comes after the second: the main window is never made again.
    QTest::qWait(1200);
    QCOMPARE(after_each_tick.size(), 2);
    QCOMPARE(probe.created, 1);
    QVERIFY(probe.window && probe.window->isVisible());
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    SplashWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "splash_window_test.moc"
