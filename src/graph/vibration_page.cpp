#include "graph/vibration_page.h"

#include "ui/controls.h"

namespace graph {

namespace {

using ui::Kind;

constexpr ui::ControlSpec CONTROLS[] = {
    {Kind::ActionButton, "CurtButton1_14", {3720, 1920, 615, 375}, u"绘图"},
    {Kind::ActionButton, "CurtButton1_17", {4440, 1920, 615, 375}, u"保存"},
};

} // namespace

VibrationPage::VibrationPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame5", QStringLiteral("振动"), std::move(services), parent)
{
    ui::build_controls(this, CONTROLS);
}

void VibrationPage::plot_vibration_graph() {}

void VibrationPage::save_vibration_graph() {}

} // namespace graph
