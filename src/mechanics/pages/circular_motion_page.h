// Frame2: 匀速圆周运动.
#pragma once

#include "ui/topic_page.h"

namespace pages {

class CircularMotionPage : public ui::TopicPage {
    Q_OBJECT
public:
    CircularMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "计算": centripetal acceleration and force from R, m and v or ω.
    void compute_circular_motion();
};

} // namespace pages
