#include "mechanics/pages/satellite_page.h"

#include "ui/controls.h"

namespace pages {

namespace {

using ui::Kind;

constexpr ui::ControlSpec CONTROLS[] = {
    {Kind::ActionButton, "CurtButton1_16", {3480, 1920, 1575, 375}, u"计算"},
};

} // namespace

SatellitePage::SatellitePage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame6", QStringLiteral("人造地球卫星"), std::move(services), parent)
{
    ui::build_controls(this, CONTROLS);
}

void SatellitePage::compute_satellite() {}

} // namespace pages
