// Frame5: 振动.
#pragma once

#include "ui/topic_page.h"

namespace graph {

class VibrationPage : public ui::TopicPage {
    Q_OBJECT
public:
    VibrationPage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "绘图": draws one period of the vibration.
    void plot_vibration_graph();

    // "保存": saves the picture through the save dialog.
    void save_vibration_graph();
};

} // namespace graph
