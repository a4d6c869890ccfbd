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

template <class P> ui::TopicPage *build(std::shared_ptr<ui::Services> services, QWidget *parent)
{
    return new P(std::move(services), parent);
}

void show(Frmload &window, ui::TopicPage *page)
{
    window.show_topic_page(page);
}

template <class> struct PageOf;
template <class P> struct PageOf<void (P::*)()> {
    using type = P;
};

// A page action: a member function of the page that takes and returns nothing.
// A row naming the wrong page stops the program rather than act on it.
template <auto action> void run(Frmload &, ui::TopicPage *page)
{
    using P = typename PageOf<decltype(action)>::type;
    auto *typed = qobject_cast<P *>(page);
    if (!typed)
        qFatal("element acts on the wrong page");
    (typed->*action)();
}

void about(Frmload &window, ui::TopicPage *)
{
    window.show_about();
}

void help(Frmload &window, ui::TopicPage *)
{
    window.open_help();
}

using E = Element;
using namespace pages;

constexpr ElementRow ELEMENTS[] = {
    {E::ShowTwoForces, E::ShowTwoForces, show, build<TwoForcePage>},
    {E::ShowLinearMotion, E::ShowLinearMotion, show, build<LinearMotionPage>},
    {E::ShowCircularMotion, E::ShowCircularMotion, show, build<CircularMotionPage>},
    {E::ShowMechanicalEnergy, E::ShowMechanicalEnergy, show, build<MechanicalEnergyPage>},
    {E::ShowWorkPower, E::ShowWorkPower, show, build<WorkPowerPage>},
    {E::ShowVibration, E::ShowVibration, show, build<VibrationPage>},
    {E::ShowSatellite, E::ShowSatellite, show, build<SatellitePage>},
    {E::ShowSiUnits, E::ShowSiUnits, show, build<SiUnitsPage>},
    {E::About, E::About, about},
    {E::ComputeResultant, E::ShowTwoForces, run<&TwoForcePage::compute_resultant>},
    {E::ComputeLinearMotion, E::ShowLinearMotion, run<&LinearMotionPage::compute_linear_motion>},
    {E::ComputeCircularMotion, E::ShowCircularMotion,
     run<&CircularMotionPage::compute_circular_motion>},
    {E::ToggleEnergyNote, E::ShowMechanicalEnergy, run<&MechanicalEnergyPage::toggle_explanation>},
    {E::ComputeWorkPower, E::ShowWorkPower, run<&WorkPowerPage::compute_work_power>},
    {E::PlotGraph, E::ShowVibration, run<&VibrationPage::plot_vibration_graph>},
    {E::Help, E::Help, help},
    {E::ComputeSatellite, E::ShowSatellite, run<&SatellitePage::compute_satellite>},
    {E::SaveGraph, E::ShowVibration, run<&VibrationPage::save_vibration_graph>},
};
static_assert(std::size(ELEMENTS) == ELEMENT_COUNT);
// Each row stands at its element's number, and the pages come first. (Whether
// a row builds a page cannot be asked at compile time: under the address
// sanitizer a function's address is not a constant.)
static_assert(std::ranges::all_of(ELEMENTS, [](const ElementRow &row) {
    const auto index = &row - ELEMENTS;
    return static_cast<int>(row.element) == index &&
           (index >= PAGE_COUNT || row.page == row.element);
}));

} // namespace

std::span<const ElementRow> element_rows()
{
    return ELEMENTS;
}

} // namespace app
