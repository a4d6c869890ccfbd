// Frame2: uniform circular motion, centripetal acceleration and force.
#pragma once

#include "ui/topic_page.h"

class QLineEdit;
class QRadioButton;

namespace pages {

class CircularMotionPage : public ui::TopicPage {
    Q_OBJECT
public:
    explicit CircularMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent = nullptr);

    // "计算": a and F from v or ω, R and m.
    void compute_circular_motion();

private:
    QLineEdit *Text10, *Text11, *Text12, *Text13, *Text14, *Text15;
    QRadioButton *Option3; // v given; Option4, ω given
};

} // namespace pages
