#include "mechanics/pages/work_power_page.h"

#include "ui/controls.h"

namespace pages {

namespace {

using ui::Kind;

constexpr ui::ControlSpec CONTROLS[] = {
    {Kind::ActionButton, "CurtButton1_13", {3360, 1860, 1695, 375}, u"计算"},
};

} // namespace

WorkPowerPage::WorkPowerPage(std::shared_ptr<ui::Services> services, bool &angle_in_radians,
                             QWidget *parent)
    : TopicPage("Frame4", QStringLiteral("功 功率"), std::move(services), parent),
      angle_in_radians_(angle_in_radians)
{
    ui::build_controls(this, CONTROLS);
}

void WorkPowerPage::compute_work_power() {}

} // namespace pages
