// Frame6: an artificial earth satellite on a circular orbit.
#pragma once

#include "ui/topic_page.h"

class QLineEdit;

namespace pages {

class SatellitePage : public ui::TopicPage {
    Q_OBJECT
public:
    explicit SatellitePage(std::shared_ptr<ui::Services> services, QWidget *parent = nullptr);

    // "计算": orbital speed, period and angular speed from the height.
    void compute_satellite();

private:
    QLineEdit *Text25, *Text26, *Text27, *Text28; // h, v, T, ω
};

} // namespace pages
