#include "mechanics/pages/linear_motion_page.h"

#include "ui/controls.h"

namespace pages {

namespace {

using ui::Kind;

constexpr ui::ControlSpec CONTROLS[] = {
    {Kind::ActionButton, "CurtButton1_10", {3480, 1280, 1575, 375}, u"计算"},
};

} // namespace

LinearMotionPage::LinearMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame1", QStringLiteral("匀变速直线运动"), std::move(services), parent)
{
    ui::build_controls(this, CONTROLS);
}

void LinearMotionPage::compute_linear_motion() {}

} // namespace pages
