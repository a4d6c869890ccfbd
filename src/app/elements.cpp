#include "app/elements.h"

#include "app/main_window.h"
#include "pages/circular_motion_page.h"
#include "pages/linear_motion_page.h"
#include "pages/mechanical_energy_page.h"
#include "pages/satellite_page.h"
#include "pages/si_units_page.h"
#include "pages/two_force_page.h"
#include "pages/vibration_page.h"
#include "pages/work_power_page.h"

#include <algorithm>
#include <iterator>

namespace app {

namespace {

using Build = ui::TopicPage *(*)(std::shared_ptr<ui::Services>, QWidget *);

template <class P> ui::TopicPage *build(std::shared_ptr<ui::Services> services, QWidget *parent)
{
    return new P(std::move(services), parent);
}

// In the order of Page.
constexpr Build PAGE_BUILDERS[] = {
    build<pages::TwoForcePage>,       build<pages::LinearMotionPage>,
    build<pages::CircularMotionPage>, build<pages::MechanicalEnergyPage>,
    build<pages::WorkPowerPage>,      build<pages::VibrationPage>,
    build<pages::SatellitePage>,      build<pages::SiUnitsPage>,
};
static_assert(std::size(PAGE_BUILDERS) == PAGE_COUNT);

template <class> struct PageOf;
template <class P> struct PageOf<void (P::*)()> {
    using type = P;
};

// A page action: a member function of the page that takes and returns nothing.
template <auto action> void run(Frmload &, ui::TopicPage *page)
{
    using P = typename PageOf<decltype(action)>::type;
    (static_cast<P *>(page)->*action)();
}

void show(Frmload &window, ui::TopicPage *page)
{
    window.show_topic_page(page);
}

constexpr Element show_page(Page page)
{
    return static_cast<Element>(static_cast<int>(Element::ShowFirstPage) + static_cast<int>(page));
}

constexpr ElementRow ELEMENTS[] = {
    {show_page(Page::TwoForces), Page::TwoForces, show},
    {show_page(Page::LinearMotion), Page::LinearMotion, show},
    {show_page(Page::CircularMotion), Page::CircularMotion, show},
    {show_page(Page::MechanicalEnergy), Page::MechanicalEnergy, show},
    {show_page(Page::WorkPower), Page::WorkPower, show},
    {show_page(Page::Vibration), Page::Vibration, show},
    {show_page(Page::Satellite), Page::Satellite, show},
    {show_page(Page::SiUnits), Page::SiUnits, show},
    {Element::About, Page::None, [](Frmload &window, ui::TopicPage *) { window.show_about(); }},
    {Element::ComputeResultant, Page::TwoForces, run<&pages::TwoForcePage::compute_resultant>},
    {Element::ComputeLinearMotion, Page::LinearMotion,
     run<&pages::LinearMotionPage::compute_linear_motion>},
    {Element::ComputeCircularMotion, Page::CircularMotion,
     run<&pages::CircularMotionPage::compute_circular_motion>},
    {Element::ToggleEnergyNote, Page::MechanicalEnergy,
     run<&pages::MechanicalEnergyPage::toggle_explanation>},
    {Element::ComputeWorkPower, Page::WorkPower, run<&pages::WorkPowerPage::compute_work_power>},
    {Element::PlotGraph, Page::Vibration, run<&pages::VibrationPage::plot_vibration_graph>},
    {Element::Help, Page::None, [](Frmload &window, ui::TopicPage *) { window.open_help(); }},
    {Element::ComputeSatellite, Page::Satellite, run<&pages::SatellitePage::compute_satellite>},
    {Element::SaveGraph, Page::Vibration, run<&pages::VibrationPage::save_vibration_graph>},
};
static_assert(std::size(ELEMENTS) == ELEMENT_COUNT);
static_assert(std::ranges::all_of(ELEMENTS, [](const ElementRow &row) {
    return static_cast<int>(row.element) == &row - ELEMENTS;
}));

} // namespace

const ElementRow *element_row(int index)
{
    if (index < 0 || index >= ELEMENT_COUNT)
        return nullptr;
    return &ELEMENTS[index];
}

ui::TopicPage *build_page(Page page, std::shared_ptr<ui::Services> services, QWidget *parent)
{
    return PAGE_BUILDERS[static_cast<int>(page)](std::move(services), parent);
}

} // namespace app
