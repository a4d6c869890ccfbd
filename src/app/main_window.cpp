#include "app/main_window.h"

#include "app/about_window.h"
#include "app/si_units_page.h"
#include "graph/vibration_page.h"
#include "mechanics/pages/circular_motion_page.h"
#include "mechanics/pages/linear_motion_page.h"
#include "mechanics/pages/mechanical_energy_page.h"
#include "mechanics/pages/satellite_page.h"
#include "mechanics/pages/two_force_page.h"
#include "mechanics/pages/work_power_page.h"
#include "ui/controls.h"
#include "ui/help_window.h"
#include "ui/qt_services.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <exception>

namespace app {

namespace {

// The page area that every topic page occupies.
constexpr ui::Twips PAGE_AREA{120, 1560, 5175, 2415};
constexpr int CLIENT_WIDTH = 5400;
constexpr int CLIENT_HEIGHT = 4485;

constexpr const char16_t *NAVIGATION_CAPTIONS[] = {
    u"互成角度的二力合成", u"匀变速直线运动",   u"匀速圆周运动", u"机械能", u"功 功率", u"振动",
    u"人造地球卫星",       u"常用力学的SI单位", u"关于软件",
};

constexpr ui::ControlSpec WINDOW_CONTROLS[] = {
    {ui::Kind::ActionButton, "CurtButton1_15", {4440, 4080, 855, 375}, u"帮助"},
    {ui::Kind::Label,
     "Label48",
     {120, 4200, 4335, 255},
     u"注意:本软件中的所有物理量均采用国际单位制(SI)。"},
};

constexpr int HELP_BUTTON = 15;
constexpr int ABOUT_BUTTON = 8;

} // namespace

Frmload::Frmload(std::shared_ptr<ui::Services> services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      services_(services ? std::move(services) : std::make_shared<ui::QtServices>())
{
    setObjectName(QStringLiteral("Frmload"));
    setWindowTitle(QStringLiteral("Vantrel-Quorbin"));
    setFixedSize(ui::to_pixels(CLIENT_WIDTH, CLIENT_HEIGHT));

    // Navigation grid: three columns 1800 twips apart, three rows 480 apart.
    for (int i = 0; i <= ABOUT_BUTTON; ++i) {
        const QString caption = QString::fromUtf16(NAVIGATION_CAPTIONS[i]);
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("CurtButton1_%1").arg(i));
        button->setAccessibleName(caption);
        button->setGeometry(ui::to_pixels({1800 * (i % 3), 480 * (i / 3), 1695, 375}));
    }

    two_forces_ = new pages::TwoForcePage(services_, this);
    linear_motion_ = new pages::LinearMotionPage(services_, this);
    circular_motion_ = new pages::CircularMotionPage(services_, this);
    mechanical_energy_ = new pages::MechanicalEnergyPage(services_, this);
    work_power_ = new pages::WorkPowerPage(services_, AngleInRadians, this);
    vibration_ = new graph::VibrationPage(services_, this);
    satellite_ = new pages::SatellitePage(services_, this);
    pages_ = {two_forces_, linear_motion_, circular_motion_, mechanical_energy_,
              work_power_, vibration_,     satellite_,       new SiUnitsPage(services_, this)};
    for (QGroupBox *page : pages_)
        page->setGeometry(ui::to_pixels(PAGE_AREA));

    ui::build_controls(this, WINDOW_CONTROLS);

    // All eighteen buttons, wherever they sit, are one array with one handler.
    CurtButton1 = new QButtonGroup(this);
    CurtButton1->setObjectName(QStringLiteral("CurtButton1"));
    CurtButton1->setExclusive(false);
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        auto *button = findChild<QPushButton *>(QStringLiteral("CurtButton1_%1").arg(i));
        Q_ASSERT(button);
        button->setAutoDefault(false);
        CurtButton1->addButton(button, i);
    }
    connect(CurtButton1, &QButtonGroup::idClicked, this, &Frmload::dispatch_button);

    for (int i = 1; i <= ABOUT_BUTTON; ++i)
        setTabOrder(findChild<QWidget *>(QStringLiteral("CurtButton1_%1").arg(i - 1)),
                    findChild<QWidget *>(QStringLiteral("CurtButton1_%1").arg(i)));

    load();
}

Frmload::~Frmload()
{
    // The help window belongs to this window; the About window has no owner.
    delete help_;
}

void Frmload::load()
{
    AngleInRadians = true;
    pages_[0]->move(ui::to_pixels(PAGE_AREA).topLeft());
    pages_[0]->setVisible(true);
    for (int i = 1; i < PAGE_COUNT; ++i)
        pages_[static_cast<std::size_t>(i)]->setVisible(false);
}

void Frmload::dispatch_button(int index)
{
    // The error trap: any failure ends the click; what was written stays.
    try {
        run_branch(index);
    } catch (const std::exception &) {
    } catch (...) {
    }
}

void Frmload::run_branch(int index)
{
    if (index >= 0 && index < PAGE_COUNT) {
        show_topic_page(index);
        return;
    }
    switch (index) {
    case ABOUT_BUTTON:
        show_about();
        break;
    case 9:
        two_forces_->compute_resultant();
        break;
    case 10:
        linear_motion_->compute_linear_motion();
        break;
    case 11:
        circular_motion_->compute_circular_motion();
        break;
    case 12:
        mechanical_energy_->toggle_explanation();
        break;
    case 13:
        work_power_->compute_work_power();
        break;
    case 14:
        vibration_->plot_vibration_graph();
        break;
    case HELP_BUTTON:
        open_help();
        break;
    case 16:
        satellite_->compute_satellite();
        break;
    case 17:
        vibration_->save_vibration_graph();
        break;
    default:
        break;
    }
}

void Frmload::show_topic_page(int n)
{
    if (n < 0 || n >= PAGE_COUNT)
        return;
    QGroupBox *shown = pages_[static_cast<std::size_t>(n)];
    shown->move(ui::to_pixels(PAGE_AREA).topLeft());
    for (QGroupBox *page : pages_)
        page->setVisible(page == shown);
}

void Frmload::show_about()
{
    if (!about_) {
        about_ = new Frmabout(services_);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

Frmabout *Frmload::about_window() const
{
    return about_;
}

QString Frmload::find_help_document(const QString &program_folder)
{
    const QDir folder(program_folder);
    const QString candidates[] = {
        folder.filePath(QStringLiteral("vantrel.html")),
        folder.filePath(QStringLiteral("../share/vantrel/vantrel.html")),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

void Frmload::open_help()
{
    // Help never fails loudly: with no document there is nothing to open.
    const QString document = find_help_document(QCoreApplication::applicationDirPath());
    if (document.isEmpty())
        return;
    if (services_->open_url(QUrl::fromLocalFile(document)))
        return;
    // The desktop cannot open documents at all: show the page ourselves.
    if (!help_)
        help_ = new ui::HelpWindow(this);
    help_->show_document(document);
}

void Frmload::showEvent(QShowEvent *event)
{
    ui::centre_on_first_show(this, centred_);
    QWidget::showEvent(event);
}

} // namespace app
