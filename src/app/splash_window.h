// Frmfirst: the borderless start-up window with the logo. Its timer ticks every
// 500 ms; the first tick opens the pages' face, and at the second it creates,
// loads and shows the main window and removes itself.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>

class QTimer;

namespace app {

class Frmfirst : public QWidget {
    Q_OBJECT
public:
    // Creates the main window: constructed means loaded, not yet shown.
    using MainWindowFactory = std::function<QWidget *()>;

    static constexpr int TICK_MILLISECONDS = 500;
    static constexpr std::uint8_t TICKS_BEFORE_MAIN_WINDOW = 2;

    // Without a factory the splash opens the program's own main window.
    explicit Frmfirst(MainWindowFactory make_main_window = {});

    std::uint8_t splash_ticks() const { return SplashTicks; }
    const QPixmap &logo() const { return logo_; }
    QTimer *timer() const { return Timer1; }

public slots:
    // One tick of Timer1.
    void tick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    MainWindowFactory make_main_window_;
    QPixmap logo_;
    QTimer *Timer1 = nullptr;
    std::uint8_t SplashTicks = 0;
    bool centred_ = false;
};

} // namespace app
