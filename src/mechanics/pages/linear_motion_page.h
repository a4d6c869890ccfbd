// Frame1: 匀变速直线运动.
#pragma once

#include "ui/topic_page.h"

namespace pages {

class LinearMotionPage : public ui::TopicPage {
    Q_OBJECT
public:
    LinearMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "计算": any three of v0, vt, a, S, t give the other two.
    void compute_linear_motion();
};

} // namespace pages
