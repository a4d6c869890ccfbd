#include "mechanics/pages/mechanical_energy_page.h"

#include "ui/controls.h"

namespace pages {

namespace {

using ui::Kind;

constexpr ui::ControlSpec CONTROLS[] = {
    {Kind::ActionButton, "CurtButton1_12", {3720, 1920, 1335, 375}, u"查看说明"},
};

} // namespace

MechanicalEnergyPage::MechanicalEnergyPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame3", QStringLiteral("机械能"), std::move(services), parent)
{
    ui::build_controls(this, CONTROLS);
}

void MechanicalEnergyPage::toggle_explanation() {}

} // namespace pages
