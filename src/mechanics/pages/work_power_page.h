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
    // Picking "弧度制" or "角度制" in Combo1 sets the angle unit; no pick keeps it.
    void angle_unit_chosen(int index);
    // Option5 gives s, Option6 gives v: the box of the other quantity is disabled.
    void option5_clicked();
    void option6_clicked();

    // The main window's angle-unit flag, changed by Combo1.
    bool &angle_in_radians_;
};

} // namespace pages
