#include "app/splash_window.h"

#include "app/main_window.h"
#include "ui/controls.h"
#include "ui/png_image.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTimer>

namespace app {

namespace {

// The window is one pixel narrower and lower than the 240 x 160 logo.
constexpr QSize CLIENT_SIZE{239, 159};

QWidget *make_frmload()
{
    auto *window = new Frmload();
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

// Finding the pages' face and its fallbacks for Chinese text is most of the
// cost of the main window's first build (8 of 12 ms): done while the splash
// waits, it no longer delays the main window.
void open_page_face()
{
    QFontMetricsF(QApplication::font()).horizontalAdvance(QStringLiteral("机械能 E=½mv² α ω"));
}

} // namespace

Frmfirst::Frmfirst(MainWindowFactory make_main_window)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      make_main_window_(make_main_window ? std::move(make_main_window) : make_frmload)
{
    setObjectName(QStringLiteral("Frmfirst"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(CLIENT_SIZE);

    // A sharper copy for screens scaled to 150% and more.
    const bool dense = devicePixelRatioF() > 1.25;
    logo_ = QPixmap::fromImage(ui::read_png(dense ? QStringLiteral(":/icons/logo@2x.png")
                                                  : QStringLiteral(":/icons/logo.png")));
    if (dense)
        logo_.setDevicePixelRatio(2);
    // The logo covers the whole window, so nothing needs clearing underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The load step. A coarse timer may let each tick slip by 5%, 50 ms over
    // the two ticks; a precise one keeps the main window at one second.
    SplashTicks = 0;
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(TICK_MILLISECONDS);
    connect(Timer1, &QTimer::timeout, this, &Frmfirst::tick);
    Timer1->start();
}

void Frmfirst::tick()
{
    ++SplashTicks;
    if (SplashTicks != TICKS_BEFORE_MAIN_WINDOW) {
        open_page_face();
        return;
    }
    QWidget *main_window = make_main_window_();
    main_window->show();
    // Unloading the splash stops its timer: no tick comes after this one.
    Timer1->stop();
    close();
}

void Frmfirst::paintEvent(QPaintEvent *)
{
    // At its natural size from the top-left corner: the last column and row
    // fall outside the window.
    QPainter painter(this);
    painter.drawPixmap(0, 0, logo_);
}

void Frmfirst::showEvent(QShowEvent *event)
{
    ui::centre_on_first_show(this, centred_);
    QWidget::showEvent(event);
}

} // namespace app
