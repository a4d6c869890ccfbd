// The start-up splash: its picture, and the ticks that open the main window.
#include "app/main_window.h"
#include "app/splash_window.h"
#include "support/fake_services.h"
#include "support/gui_main.h"

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
    bool loaded_not_shown = false; // when the splash asked for it
    qint64 created_after_ms = -1;
    QElapsedTimer clock;
    QPointer<app::Frmload> window;

    app::Frmfirst::MainWindowFactory factory()
    {
        clock.start();
        return [this]() -> QWidget * {
            ++created;
            created_after_ms = clock.elapsed();
            window = new app::Frmload(std::make_shared<test::FakeServices>());
            // The load step runs in the constructor: only the two-force page is set visible.
            loaded_not_shown =
                !window->isVisible() && !window->page(0)->isHidden() && window->page(7)->isHidden();
            return window;
        };
    }

    ~MainWindowProbe() { delete window; }
};

} // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT
private slots:
    void shows_the_logo_without_a_border();
    void second_tick_opens_the_main_window_once();
};

void SplashWindowTest::shows_the_logo_without_a_border()
{
    MainWindowProbe probe;
    app::Frmfirst splash(probe.factory());
    splash.timer()->stop(); // no tick may close it here
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.size(), QSize(239, 159));
    // Drawn at its natural size: the pixels match the logo's own, and the
    // logo's last column and row are the ones cut off.
    QCOMPARE(splash.logo().deviceIndependentSize(), QSizeF(240, 160));
    const QImage shown = splash.grab().toImage();
    const QImage logo = splash.logo().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(120, 80), QPoint(238, 158)})
        QCOMPARE(shown.pixel(at), logo.pixel(at));
    const QPoint off_centre =
        splash.geometry().center() - splash.screen()->availableGeometry().center();
    QVERIFY(qAbs(off_centre.x()) <= 1 && qAbs(off_centre.y()) <= 1);
}

void SplashWindowTest::second_tick_opens_the_main_window_once()
{
    MainWindowProbe probe;
    QPointer<app::Frmfirst> splash = new app::Frmfirst(probe.factory());
    // Runs after the splash's own handler of each tick: how many main windows
    // exist and whether the splash still shows once that tick is done.
    QList<int> windows_after_tick;
    QList<bool> splash_after_tick;
    connect(splash->timer(), &QTimer::timeout, this, [&] {
        windows_after_tick.append(probe.created);
        splash_after_tick.append(splash && splash->isVisible());
    });
    splash->show();

    QTRY_VERIFY_WITH_TIMEOUT(probe.created == 1, 5000);
    QCOMPARE(windows_after_tick, QList<int>({0, 1}));
    QCOMPARE(splash_after_tick, QList<bool>({true, false}));
    QVERIFY(probe.loaded_not_shown);
    QVERIFY(probe.window && probe.window->isVisible());
    // Two ticks of 500 ms, never early: a coarse timer may fire 5% early.
    QVERIFY2(probe.created_after_ms >= 1000, qPrintable(QString::number(probe.created_after_ms)));
    // The splash unloads itself and its timer with it: no tick comes after.
    QTRY_VERIFY(splash.isNull());
}

VANTREL_GUI_TEST_MAIN(SplashWindowTest)

#include "splash_window_test.moc"
