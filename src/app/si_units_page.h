// Frame7: 常用力学的SI单位.
#pragma once

#include "ui/topic_page.h"

namespace app {

class SiUnitsPage : public ui::TopicPage {
    Q_OBJECT
public:
    SiUnitsPage(std::shared_ptr<ui::Services> services, QWidget *parent);
};

} // namespace app
