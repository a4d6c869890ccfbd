// Frame1: 匀变速直线运动.
#pragma once

#include "mechanics/linear_motion.h"
#include "ui/topic_page.h"

namespace pages {

class LinearMotionPage : public ui::TopicPage {
    Q_OBJECT
public:
    LinearMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "计算": any three of v0, vt, a, S, t give the other two.
    void compute_linear_motion();

    // A tick unlocks the quantity's box and keeps its text, so an earlier
    // result can serve as a known value; untick locks the box and empties it.
    void set_known(mechanics::MotionQuantity quantity);
};

} // namespace pages
