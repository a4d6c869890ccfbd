#include "mechanics/pages/circular_motion_page.h"

#include "ui/controls.h"

namespace pages {

namespace {

using ui::Kind;

constexpr ui::ControlSpec CONTROLS[] = {
    {Kind::ActionButton, "CurtButton1_11", {3480, 1960, 1575, 375}, u"计算"},
};

} // namespace

CircularMotionPage::CircularMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame2", QStringLiteral("匀速圆周运动"), std::move(services), parent)
{
    ui::build_controls(this, CONTROLS);
}

void CircularMotionPage::compute_circular_motion() {}

} // namespace pages
