// Frame4: 功 功率.
#pragma once

#include "ui/topic_page.h"

namespace pages {

class WorkPowerPage : public ui::TopicPage {
    Q_OBJECT
public:
    WorkPowerPage(std::shared_ptr<ui::Services> services, bool &angle_in_radians, QWidget *parent);

    // "计算": work and power, average or instantaneous.
    void compute_work_power();

private:
    // The main window's angle-unit flag, changed by Combo1.
    bool &angle_in_radians_;
};

} // namespace pages
