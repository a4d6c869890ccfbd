// Frmload: the main window, its page switching and the one click dispatcher of
// the button array CurtButton1.
#pragma once

#include "ui/services.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QButtonGroup;
class QGroupBox;

namespace pages {
class TwoForcePage;
class LinearMotionPage;
class CircularMotionPage;
class MechanicalEnergyPage;
class WorkPowerPage;
class SatellitePage;
} // namespace pages
namespace graph {
class VibrationPage;
}
namespace ui {
class HelpWindow;
}

namespace app {

class Frmabout;

class Frmload : public QWidget {
    Q_OBJECT
public:
    // Without services the window uses the real desktop ones.
    explicit Frmload(std::shared_ptr<ui::Services> services = nullptr, QWidget *parent = nullptr);
    ~Frmload() override;

    static constexpr int PAGE_COUNT = 8;
    static constexpr int BUTTON_COUNT = 18;

    // Runs one click of element `index` of CurtButton1 under the error trap.
    void dispatch_button(int index);

    // Shows page n (0 to 7) and hides every other page.
    void show_topic_page(int n);
    void show_about();
    void open_help();

    // True: the work-and-power page reads its angle in radians.
    bool angle_in_radians() const { return AngleInRadians; }
    QGroupBox *page(int n) const { return pages_.at(static_cast<std::size_t>(n)); }
    Frmabout *about_window() const;

    // Where the help page is looked for: beside the program, then in the
    // installed data folder.
    static QString find_help_document(const QString &program_folder);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void load();
    void run_branch(int index);

    std::shared_ptr<ui::Services> services_;
    bool AngleInRadians = true;
    QButtonGroup *CurtButton1 = nullptr;
    std::array<QGroupBox *, PAGE_COUNT> pages_{};
    pages::TwoForcePage *two_forces_ = nullptr;
    pages::LinearMotionPage *linear_motion_ = nullptr;
    pages::CircularMotionPage *circular_motion_ = nullptr;
    pages::MechanicalEnergyPage *mechanical_energy_ = nullptr;
    pages::WorkPowerPage *work_power_ = nullptr;
    graph::VibrationPage *vibration_ = nullptr;
    pages::SatellitePage *satellite_ = nullptr;
    QPointer<Frmabout> about_;
    QPointer<ui::HelpWindow> help_;
    bool centred_ = false;
};

} // namespace app
