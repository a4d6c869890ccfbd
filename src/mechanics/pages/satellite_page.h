// Frame6: 人造地球卫星.
#pragma once

#include "ui/topic_page.h"

namespace pages {

class SatellitePage : public ui::TopicPage {
    Q_OBJECT
public:
    SatellitePage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "计算": orbital speed, period and angular speed from the height.
    void compute_satellite();
};

} // namespace pages
